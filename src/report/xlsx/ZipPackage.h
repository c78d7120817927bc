#pragma once

#include "report/SpreadsheetResult.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QHash>
#include <QString>

#include <functional>
#include <memory>
#include <optional>
#include <unordered_map>
#include <vector>

struct zip;
struct zip_source;

namespace korvex::xlsx {

// The parts of an Office Open XML package (a zip archive), by part name without the leading "/"
// ("xl/workbook.xml"). Parts that are never replaced are written back with their original
// compressed bytes; replaced and new parts are compressed anew.
class ZipPackage {
  public:
    // An empty package (for a new workbook).
    ZipPackage();
    ~ZipPackage();
    ZipPackage(ZipPackage&&) noexcept;
    ZipPackage& operator=(ZipPackage&&) noexcept;

    static SpreadsheetResult<ZipPackage> fromBytes(QByteArray bytes);

    bool contains(const QString& part) const;
    SpreadsheetResult<QByteArray> read(const QString& part) const;
    // The part's bytes up to and a little beyond the first `marker`, or all of them when it has none.
    // A stored part is inflated only that far, so a look at the head of a large part stays cheap.
    SpreadsheetResult<QByteArray> readUntil(const QString& part, QByteArrayView marker) const;
    void write(const QString& part, QByteArray bytes);
    // The part's bytes are made by `produce` whenever they are needed (reading the part, writing the
    // package), one part at a time: a large part is never held as bytes beside the object that makes
    // it, nor beside the other parts. `produce` must outlive its use by the package.
    void writeOnDemand(const QString& part, std::function<QByteArray()> produce);
    void remove(const QString& part);
    std::vector<QString> partNames() const;

    // The whole package as zip bytes.
    SpreadsheetResult<QByteArray> toBytes() const;

    // Largest part the engine reads; a bigger one is taken for a damaged or hostile file.
    static constexpr qint64 kMaxPartSize = 256 * 1024 * 1024;

  private:
    struct Entry {
        QString name;
        std::optional<quint64> sourceIndex;
        std::optional<QByteArray> replacement;
        std::function<QByteArray()> produce;
    };
    struct ArchiveCloser {
        void operator()(zip* archive) const;
    };

    const Entry* find(const QString& part) const;
    SpreadsheetResult<QByteArray> readSource(const Entry& entry, QByteArrayView marker = {}) const;
    zip_source* dataOf(zip* archive, const Entry& entry) const;

    // The original file's bytes must outlive the archive that reads them.
    std::unique_ptr<QByteArray> sourceBytes_;
    std::unique_ptr<zip, ArchiveCloser> source_;
    std::vector<Entry> entries_;
    std::unordered_map<QString, std::size_t> positions_;
};

}  // namespace korvex::xlsx
