#pragma once
// Document views that record what the model and the compiler showed on them.

#include <string>
#include <utility>
#include <vector>

#include "model/host.h"

namespace quorvin::testing_support {

class RecordingViews : public DocumentViews {
 public:
  void documentOpened(int doc) override { opened.push_back(doc); }
  void captionChanged(int doc, const std::string& caption) override {
    captions.push_back(std::to_string(doc) + " " + caption);
  }
  void boxesChanged(int doc) override { redrawn.push_back(doc); }
  void arrowsChanged(int doc) override { arrowsRedrawn.push_back(doc); }
  void hideCopyShape(int doc) override { shapesHidden.push_back(doc); }
  void arrowColourChanged(int doc) override { arrowColours.push_back(doc); }
  void boxRenumbered(int deleted, int highest) override {
    renumbered.push_back({deleted, highest});
  }
  void setDocsPointer(Pointer p) override { pointers.push_back(p); }
  void setResourceGauge(double percent) override { gauge.push_back(percent); }
  void recentFilesChanged(const std::vector<std::string>& paths) override { recent = paths; }

  std::vector<int> opened, redrawn, arrowsRedrawn, shapesHidden, arrowColours;
  std::vector<Pointer> pointers;
  std::vector<std::pair<int, int>> renumbered;  // (deleted, highest)
  std::vector<std::string> captions, recent;
  std::vector<double> gauge;
};

}  // namespace quorvin::testing_support
