// The shelf of catalogues the designs of one run share: a file opened again
// is read once while it stays as it was, and opened afresh once it has
// changed or gone, failing then exactly as a first opening does.
#include "bobbin/catalogue/catalogue_shelf.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "catalogue_test_files.h"

namespace corvane {
namespace {

// A shelf over the real opener that counts the files it really opened.
class CatalogueShelfTest : public testing::CatalogueFiles {
 protected:
  std::vector<std::string> specifications(Outcome<std::unique_ptr<BobbinCatalogue>> opened) {
    EXPECT_TRUE(opened) << opened.reason();
    if (!opened) return {};
    auto rows = opened.value()->find("EIB1", "");
    EXPECT_TRUE(rows) << rows.reason();
    std::vector<std::string> out;
    if (rows)
      for (const BobbinRecord& row : rows.value()) out.push_back(row.specification);
    return out;
  }

  int openings = 0;
  CatalogueShelf shelf{[this](const std::string& path) {
    ++openings;
    return openBobbinCatalogue(path);
  }};
};

TEST_F(CatalogueShelfTest, AnUnchangedFileIsOpenedAndReadOnce) {
  const std::string path = writeCatalogue("a.sqlite", {"'S', 'EI-48*30', 'P1', 1, 2, 3, 4, 5, 6"});
  const auto first = specifications(shelf.open(path));
  EXPECT_EQ(first, std::vector<std::string>{"EI-48*30"});
  auto second = shelf.open(path);
  auto third = shelf.open(path);
  ASSERT_TRUE(second && third);
  EXPECT_EQ(second.value()->path(), path);
  EXPECT_EQ(specifications(std::move(second)), first);
  EXPECT_EQ(specifications(std::move(third)), first);
  EXPECT_EQ(openings, 1);
}

TEST_F(CatalogueShelfTest, AChangedFileIsReadAgain) {
  const std::string path = writeCatalogue("a.sqlite", {"'S', 'EI-48*30', 'P1', 1, 2, 3, 4, 5, 6"});
  EXPECT_EQ(specifications(shelf.open(path)), std::vector<std::string>{"EI-48*30"});
  std::filesystem::remove(path);
  writeCatalogue("a.sqlite", {"'S', 'EI-57*35', 'P2', 1, 2, 3, 4, 5, 6"});
  EXPECT_EQ(specifications(shelf.open(path)), std::vector<std::string>{"EI-57*35"});
  EXPECT_EQ(openings, 2);
}

TEST_F(CatalogueShelfTest, AFileGoneOrSpoiltSinceFailsAsAtItsFirstOpening) {
  const std::string path = pathOf("gone.sqlite");
  std::filesystem::copy_file(defaultBobbinCataloguePath(), path);
  ASSERT_TRUE(shelf.open(path));
  std::filesystem::remove(path);
  auto gone = shelf.open(path);
  EXPECT_FALSE(gone);
  EXPECT_EQ(gone.reason(), openBobbinCatalogue(path).reason());

  writeBytes("gone.sqlite", "no catalogue");
  auto spoilt = shelf.open(path);
  EXPECT_FALSE(spoilt);
  EXPECT_EQ(spoilt.reason(), "既不是 SQLite 也不是 Access 数据库");
  EXPECT_EQ(openings, 3);
}

}  // namespace
}  // namespace corvane
