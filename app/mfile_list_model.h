#pragma once
// The entries of the function browser's file list: m-files of the
// catalogue, one row each, shown by their path as its text and on hovering.
// A row keeps the file's place in the catalogue, so a chosen entry opens the
// file the catalogue's bytes name. A model over the catalogue, shown in rows
// of one height, fills a million entries at once, where a list widget made
// an item for each, one by one, and took minutes.

#include <QAbstractListModel>
#include <cstddef>
#include <string>
#include <vector>

namespace quorvin {

// What a catalogued path or name shows as: its bytes need not be UTF-8.
QString ShownText(const std::string& bytes);

class MFileListModel : public QAbstractListModel {
 public:
  // files is the catalogue's list of m-files; it outlives the model. When
  // it changes, the owner sets the rows anew before the next look.
  MFileListModel(const std::vector<std::string>& files, QObject* parent);

  // The entries become the files at positions in files, in their order.
  void setRows(std::vector<std::size_t> positions);
  // The path of the entry at row; nullptr for a row the list does not hold.
  const std::string* path(int row) const;

  int rowCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

 private:
  const std::vector<std::string>& files_;
  std::vector<std::size_t> rows_;
};

}  // namespace quorvin
