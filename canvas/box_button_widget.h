#pragma once
// The button of one box on a document window: its 32-pixel icon cell, no
// keyboard focus, the arrow pointer whatever the canvas shows. Every mouse
// event goes to the window that holds it, right and middle presses too
// (a plain button would pass those on to the canvas below), and a turn of the
// wheel scrolls the canvas under it.

#include <QAbstractButton>
#include <QPixmap>
#include <optional>
#include <string>

namespace quorvin {

class DocumentWindow;

class BoxButtonWidget : public QAbstractButton {
 public:
  BoxButtonWidget(DocumentWindow& window, int box);

  int box() const { return box_; }
  void setBox(int box);
  // The icon key the picture was made from, none before the first picture
  // (so every key a new button is given shows, "" too); the picture changes
  // only when the key does.
  const std::optional<std::string>& iconKey() const { return iconKey_; }
  void setIcon(const std::string& key, const QPixmap& picture);

  QSize sizeHint() const override { return {32, 32}; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;

 private:
  DocumentWindow& window_;
  int box_;
  std::optional<std::string> iconKey_;
  QPixmap picture_;
  bool opaquePicture_ = false;  // covers the whole button
};

}  // namespace quorvin
