#pragma once
// "Quorvin Page View": the whole flowchart of every open document shrunk
// into one modal window, read-only; OK closes it. The picture is built once
// when the window is made (canvas/logic/page_view_geometry.h) and only
// painted here.

#include <QDialog>
#include <QPushButton>
#include <QWidget>

#include <map>

#include "canvas/logic/page_view_geometry.h"
#include "model/box_table.h"

namespace quorvin {

class PageView : public QDialog {
 public:
  // callerScrollLeft: left of the calling document window's horizontal
  // scroll bar, in twips; canvasWidth, canvasHeight: the canvas extent.
  PageView(const BoxTable& table, int callerScrollLeft, int canvasWidth, int canvasHeight,
           QWidget* parent = nullptr);

  const PageViewPicture& picture() const { return picture_; }

  // Closes the view; the next opening builds it afresh.
  void cmdOK_Click();

  QWidget* pnl;  // the blue bottom panel
  QPushButton* cmdOK;

 protected:
  // Connections first, then the box images over them.
  void paintEvent(QPaintEvent* event) override;

 private:
  PageViewPicture picture_;
  std::map<int, QPixmap> icons_;  // by icon number, clipped once
};

// View, Page View of a document window: builds the view and shows it
// modally until it is closed.
void ShowPageView(QWidget* parent, const BoxTable& table, int callerScrollLeft, int canvasWidth,
                  int canvasHeight);

}  // namespace quorvin
