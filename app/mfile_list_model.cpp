#include "app/mfile_list_model.h"

#include <limits>

#include "model/utf8_text.h"

namespace quorvin {

QString ShownText(const std::string& bytes) { return QString::fromStdString(ReadableText(bytes)); }

MFileListModel::MFileListModel(const std::vector<std::string>& files, QObject* parent)
    : QAbstractListModel(parent), files_(files) {}

void MFileListModel::setRows(std::vector<std::size_t> positions) {
  if (!rows_.empty()) {
    beginResetModel();
    rows_.clear();
    endResetModel();
  }
  // A model holds no more rows than an int counts.
  constexpr auto kMostRows = static_cast<std::size_t>(std::numeric_limits<int>::max());
  if (positions.size() > kMostRows) positions.resize(kMostRows);
  if (positions.empty()) return;
  // All rows in one insertion, which the view lays out once.
  beginInsertRows({}, 0, static_cast<int>(positions.size()) - 1);
  rows_ = std::move(positions);
  endInsertRows();
}

const std::string* MFileListModel::path(int row) const {
  if (row < 0 || static_cast<std::size_t>(row) >= rows_.size()) return nullptr;
  const std::size_t at = rows_[static_cast<std::size_t>(row)];
  return at < files_.size() ? &files_[at] : nullptr;
}

int MFileListModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

QVariant MFileListModel::data(const QModelIndex& index, int role) const {
  if (role != Qt::DisplayRole && role != Qt::ToolTipRole) return {};
  // The tool tip shows the whole path, also where the entry gives way.
  const std::string* shown = index.isValid() ? path(index.row()) : nullptr;
  return shown ? QVariant(ShownText(*shown)) : QVariant();
}

}  // namespace quorvin
