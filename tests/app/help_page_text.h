#pragma once
// The help pages of the source tree as a person reads them: plain text, the
// markup gone and every run of blanks and line ends one blank.

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QString>
#include <QTextDocumentFragment>
#include <algorithm>

#include "tests/support/qt_application.h"

namespace quorvin::testing {

inline const QString kSourcePages = QDir::cleanPath(QUORVIN_TEST_DATA "/../../../app/help");

// The HTML of page (a file name of app/help), empty when it cannot be read.
inline QString PageHtml(const QString& page) {
  QFile file(QDir(kSourcePages).filePath(page));
  if (!file.open(QIODevice::ReadOnly)) return {};
  return QString::fromUtf8(file.readAll());
}

// Reading HTML takes the fonts of a GUI application.
inline QString PlainText(const QString& html) {
  testing_support::EnsureGuiApplication();
  return QTextDocumentFragment::fromHtml(html).toPlainText().simplified();
}

// The text of the section of page that starts at the element with that id
// and runs to the next heading or rule; empty when the page has no such id.
inline QString SectionText(const QString& page, const QString& id) {
  const QString html = PageHtml(page);
  const qsizetype start = html.indexOf("id=\"" + id + "\"");
  if (start < 0) return {};
  const qsizetype heading = html.indexOf("<h2", start);
  const qsizetype rule = html.indexOf("<hr", start);
  qsizetype end = heading < 0 ? rule : (rule < 0 ? heading : std::min(heading, rule));
  if (end < 0) end = html.size();
  // From the end of the opening tag, so the heading's own text comes first.
  const qsizetype body = html.indexOf('>', start) + 1;
  return PlainText(html.mid(body, end - body));
}

// Whether the section of page that starts at id (SectionText) holds
// sentence; a failure names the page, the section and the sentence.
inline ::testing::AssertionResult Tells(const QString& page, const QString& id,
                                        const QString& sentence) {
  if (SectionText(page, id).contains(sentence)) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << page.toStdString() << "#" << id.toStdString()
                                       << " does not tell: " << sentence.toStdString();
}

}  // namespace quorvin::testing
