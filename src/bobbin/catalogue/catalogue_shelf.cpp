#include "bobbin/catalogue/catalogue_shelf.h"

#include <sys/stat.h>

#include <utility>

namespace corvane {

namespace {

// A catalogue on the shelf, lent to one bobbin form.
class LentCatalogue final : public BobbinCatalogue {
 public:
  explicit LentCatalogue(std::shared_ptr<BobbinCatalogue> shelved) : shelved_(std::move(shelved)) {}
  const std::string& path() const override { return shelved_->path(); }

 protected:
  std::vector<BobbinRecord> search(size_t table, const std::string& searchText) override {
    return searchIn(*shelved_, table, searchText);
  }

 private:
  std::shared_ptr<BobbinCatalogue> shelved_;
};

}  // namespace

CatalogueShelf::CatalogueShelf(Opener open) : open_(std::move(open)) {}

bool CatalogueShelf::identify(const std::string& path, FileIdentity& identity) {
  struct stat status {};
  if (::stat(path.c_str(), &status) != 0 || !S_ISREG(status.st_mode)) return false;
  auto nanoseconds = [](const timespec& time) {
    return static_cast<long long>(time.tv_sec) * 1'000'000'000 + time.tv_nsec;
  };
  identity = {static_cast<unsigned long long>(status.st_dev),
              static_cast<unsigned long long>(status.st_ino),
              static_cast<long long>(status.st_size), nanoseconds(status.st_mtim),
              nanoseconds(status.st_ctim)};
  return true;
}

Outcome<std::unique_ptr<BobbinCatalogue>> CatalogueShelf::open(const std::string& path) {
  FileIdentity identity;
  const bool known = identify(path, identity);
  auto shelved = entries_.find(path);
  if (known && shelved != entries_.end() && shelved->second.identity == identity)
    return std::unique_ptr<BobbinCatalogue>(
        std::make_unique<LentCatalogue>(shelved->second.catalogue));
  if (shelved != entries_.end()) entries_.erase(shelved);
  Outcome<std::unique_ptr<BobbinCatalogue>> opened = open_(path);
  // only a file that could be told apart from its later states is kept
  if (!opened || !known) return opened;
  std::shared_ptr<BobbinCatalogue> catalogue = std::move(opened.value());
  entries_[path] = {identity, catalogue};
  return std::unique_ptr<BobbinCatalogue>(std::make_unique<LentCatalogue>(std::move(catalogue)));
}

}  // namespace corvane
