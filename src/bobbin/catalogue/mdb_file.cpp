#include "bobbin/catalogue/mdb_file.h"

// glib first: mdbtools.h includes it inside extern "C", where its C++ parts
// do not compile.
#include <glib.h>
#include <mdbtools.h>

#include <algorithm>

namespace corvane {

namespace {

struct TableFreer {
  void operator()(MdbTableDef* table) const { mdb_free_tabledef(table); }
};
using TablePtr = std::unique_ptr<MdbTableDef, TableFreer>;

MdbColumn* columnAt(MdbTableDef* table, unsigned i) {
  return static_cast<MdbColumn*>(g_ptr_array_index(table->columns, i));
}

// The 1-based column number mdbtools binds by, or 0 when the table lacks it.
int columnNumber(MdbTableDef* table, std::string_view name) {
  const std::string wanted(name);
  for (unsigned i = 0; i < table->num_cols; ++i)
    if (g_ascii_strcasecmp(columnAt(table, i)->name, wanted.c_str()) == 0)
      return static_cast<int>(i) + 1;
  return 0;
}

constexpr const char* kNotAccess = "不是可读的 Access 数据库";

std::string missingTable(std::string_view table) {
  return "缺少表 " + std::string(table);
}
std::string unreadableColumns(std::string_view table) {
  return "无法读取表 " + std::string(table) + " 的列";
}
std::string missingColumn(std::string_view table, std::string_view column) {
  return "表 " + std::string(table) + " 缺少列 " + std::string(column);
}

// A bound value's length, kept within its buffer whatever the file says.
size_t boundLength(int length) {
  if (length <= 0) return 0;
  return std::min(static_cast<size_t>(length), static_cast<size_t>(MDB_BIND_SIZE - 1));
}

}  // namespace

struct MdbFile::Handle {
  struct Closer {
    void operator()(MdbHandle* mdb) const { mdb_close(mdb); }
  };
  std::unique_ptr<MdbHandle, Closer> mdb;

  // The table with its column definitions read.
  TablePtr table(std::string_view name) {
    std::string wanted(name);
    TablePtr table(mdb_read_table_by_name(mdb.get(), wanted.data(), MDB_TABLE));
    if (!table) throw MdbError(missingTable(wanted));
    if (!mdb_read_columns(table.get())) throw MdbError(unreadableColumns(wanted));
    return table;
  }

  std::vector<int> columnNumbers(MdbTableDef* table, std::string_view tableName,
                                 const std::vector<std::string_view>& columns) {
    std::vector<int> numbers;
    for (const std::string_view column : columns) {
      const int number = columnNumber(table, column);
      if (number == 0) throw MdbError(missingColumn(tableName, column));
      numbers.push_back(number);
    }
    return numbers;
  }
};

MdbFile::MdbFile(const std::string& path) : handle_(std::make_unique<Handle>()) {
  handle_->mdb.reset(mdb_open(path.c_str(), MDB_NOFLAGS));
  if (!handle_->mdb) throw MdbError(kNotAccess);
  // The catalogue of objects sits in the system table MSysObjects; a file that
  // only starts like an Access database fails here.
  if (!mdb_read_catalog(handle_->mdb.get(), MDB_TABLE)) throw MdbError(kNotAccess);
}

MdbFile::~MdbFile() = default;

std::vector<std::string> mdbReasonsAbout(std::string_view table, std::string_view column) {
  return {kNotAccess, missingTable(table), unreadableColumns(table), missingColumn(table, column)};
}

void MdbFile::requireColumns(std::string_view table, const std::vector<std::string_view>& columns) {
  TablePtr definition = handle_->table(table);
  handle_->columnNumbers(definition.get(), table, columns);
}

void MdbFile::forEachRow(std::string_view table, const std::vector<std::string_view>& columns,
                         const RowVisitor& visit) {
  TablePtr definition = handle_->table(table);
  const std::vector<int> numbers = handle_->columnNumbers(definition.get(), table, columns);
  // mdbtools writes each bound column into its buffer on every fetch.
  std::vector<std::vector<char>> buffers(numbers.size(), std::vector<char>(MDB_BIND_SIZE));
  std::vector<int> lengths(numbers.size(), 0);
  for (size_t i = 0; i < numbers.size(); ++i)
    mdb_bind_column(definition.get(), numbers[i], buffers[i].data(), &lengths[i]);
  mdb_rewind_table(definition.get());
  std::vector<std::string> row(numbers.size());
  while (mdb_fetch_row(definition.get())) {
    for (size_t i = 0; i < numbers.size(); ++i)
      row[i].assign(buffers[i].data(), boundLength(lengths[i]));
    visit(row);
  }
}

}  // namespace corvane
