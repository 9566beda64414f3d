#pragma once
// pnlTour: the guided tour's panel on a document window, a read-only
// multi-line text box that is hidden until the tour shows a text and that
// moves the tour on when it is clicked.

#include <QPlainTextEdit>
#include <functional>
#include <string>

namespace quorvin {

class TourPanelWidget : public QPlainTextEdit {
 public:
  explicit TourPanelWidget(QWidget* parent = nullptr);

  // Shows the panel with text; its CR LF line breaks are the panel's lines.
  void showText(const std::string& text);

  // A click (the left button let go over the panel).
  std::function<void()> onClicked;

 protected:
  void mouseReleaseEvent(QMouseEvent* event) override;
};

}  // namespace quorvin
