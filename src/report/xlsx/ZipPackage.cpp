#include "report/xlsx/ZipPackage.h"

#include <zip.h>

#include <algorithm>
#include <cstring>

namespace korvex::xlsx {

namespace {

// Fast deflate: the workbooks the program writes are small, saving time matters more than bytes.
constexpr zip_uint32_t kCompressionLevel = 1;
// How much of a part is inflated at a time while looking for a marker near its head.
constexpr qsizetype kHeadStep = 16 * 1024;

SpreadsheetError zipError(const QString& what, zip_error_t* error) {
    return {QStringLiteral("%1: %2").arg(what, QString::fromUtf8(zip_error_strerror(error)))};
}

// Reads all bytes of a zip source into one array of their size: growing an array piece by piece
// would hold a large package twice over while it moves.
SpreadsheetResult<QByteArray> drainSource(zip_source_t* source) {
    zip_stat_t stat;
    if (zip_source_stat(source, &stat) < 0 || (stat.valid & ZIP_STAT_SIZE) == 0 ||
        zip_source_open(source) < 0) {
        return zipError(QStringLiteral("cannot read the written package"), zip_source_error(source));
    }
    QByteArray bytes(static_cast<qsizetype>(stat.size), Qt::Uninitialized);
    qsizetype filled = 0;
    zip_int64_t count = 0;
    while (filled < bytes.size() &&
           (count = zip_source_read(source, bytes.data() + filled,
                                    static_cast<zip_uint64_t>(bytes.size() - filled))) > 0) {
        filled += static_cast<qsizetype>(count);
    }
    zip_source_close(source);
    if (filled != bytes.size()) {
        return zipError(QStringLiteral("cannot read the written package"), zip_source_error(source));
    }
    return bytes;
}

// Inflates one entry without keeping it: libzip checks the stored checksum when the end is read.
// Parts the engine never parses are written back as they are, so they must be checked here.
SpreadsheetStatus verifyEntry(zip_t* archive, zip_uint64_t index, const QString& name) {
    zip_file_t* file = zip_fopen_index(archive, index, 0);
    if (file == nullptr) {
        return zipError(QStringLiteral("the part \"%1\" cannot be read").arg(name), zip_get_error(archive));
    }
    char buffer[64 * 1024];
    zip_int64_t count = 0;
    while ((count = zip_fread(file, buffer, sizeof buffer)) > 0) {
    }
    SpreadsheetStatus verified;
    if (count < 0) {
        verified = zipError(QStringLiteral("the part \"%1\" is damaged").arg(name), zip_file_get_error(file));
    }
    zip_fclose(file);
    return verified;
}

// A zip source whose bytes are made when libzip opens it and dropped when it closes it.
struct ProducedSource {
    std::function<QByteArray()> produce;
    QByteArray bytes;
    qsizetype offset = 0;
    zip_error_t error{};
};

zip_int64_t readProduced(ProducedSource& source, void* data, zip_uint64_t length) {
    const auto count = std::min(static_cast<qsizetype>(length), source.bytes.size() - source.offset);
    std::memcpy(data, source.bytes.constData() + source.offset, static_cast<std::size_t>(count));
    source.offset += count;
    return count;
}

zip_int64_t producedSourceCallback(void* state, void* data, zip_uint64_t length, zip_source_cmd_t command) {
    auto* source = static_cast<ProducedSource*>(state);
    switch (command) {
        case ZIP_SOURCE_OPEN:
            source->bytes = source->produce();
            source->offset = 0;
            return 0;
        case ZIP_SOURCE_READ:
            return readProduced(*source, data, length);
        case ZIP_SOURCE_CLOSE:
            source->bytes = QByteArray();
            return 0;
        case ZIP_SOURCE_STAT:
            zip_stat_init(static_cast<zip_stat_t*>(data));
            return 0;
        case ZIP_SOURCE_ERROR:
            return zip_error_to_data(&source->error, data, length);
        case ZIP_SOURCE_FREE:
            delete source;
            return 0;
        case ZIP_SOURCE_SUPPORTS:
            return zip_source_make_command_bitmap(ZIP_SOURCE_OPEN, ZIP_SOURCE_READ, ZIP_SOURCE_CLOSE,
                                                  ZIP_SOURCE_STAT, ZIP_SOURCE_ERROR, ZIP_SOURCE_FREE, -1);
        default:
            zip_error_set(&source->error, ZIP_ER_OPNOTSUPP, 0);
            return -1;
    }
}

}  // namespace

void ZipPackage::ArchiveCloser::operator()(zip* archive) const {
    zip_discard(archive);
}

ZipPackage::ZipPackage() = default;
ZipPackage::~ZipPackage() = default;
ZipPackage::ZipPackage(ZipPackage&&) noexcept = default;
ZipPackage& ZipPackage::operator=(ZipPackage&&) noexcept = default;

SpreadsheetResult<ZipPackage> ZipPackage::fromBytes(QByteArray bytes) {
    ZipPackage package;
    package.sourceBytes_ = std::make_unique<QByteArray>(std::move(bytes));
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t* source =
        zip_source_buffer_create(package.sourceBytes_->constData(),
                                 static_cast<zip_uint64_t>(package.sourceBytes_->size()), 0, &error);
    if (source == nullptr) {
        return zipError(QStringLiteral("cannot read the zip container"), &error);
    }
    zip_t* archive = zip_open_from_source(source, ZIP_RDONLY | ZIP_CHECKCONS, &error);
    if (archive == nullptr) {
        zip_source_free(source);
        SpreadsheetError failure = zipError(QStringLiteral("the zip container is damaged"), &error);
        zip_error_fini(&error);
        return failure;
    }
    package.source_.reset(archive);
    const zip_int64_t count = zip_get_num_entries(archive, 0);
    for (zip_int64_t index = 0; index < count; ++index) {
        const char* name = zip_get_name(archive, static_cast<zip_uint64_t>(index), ZIP_FL_ENC_GUESS);
        if (name == nullptr) {
            return SpreadsheetError{QStringLiteral("the zip container has an entry without a name")};
        }
        const QString partName = QString::fromUtf8(name);
        if (package.positions_.contains(partName)) {
            return SpreadsheetError{QStringLiteral("the zip container holds \"%1\" twice").arg(partName)};
        }
        if (SpreadsheetStatus verified = verifyEntry(archive, static_cast<zip_uint64_t>(index), partName);
            !verified) {
            return SpreadsheetError{verified.error()};
        }
        package.positions_.emplace(partName, package.entries_.size());
        package.entries_.push_back({partName, static_cast<quint64>(index), std::nullopt});
    }
    return package;
}

const ZipPackage::Entry* ZipPackage::find(const QString& part) const {
    const auto position = positions_.find(part);
    return position == positions_.end() ? nullptr : &entries_[position->second];
}

bool ZipPackage::contains(const QString& part) const {
    return find(part) != nullptr;
}

SpreadsheetResult<QByteArray> ZipPackage::read(const QString& part) const {
    return readUntil(part, {});
}

SpreadsheetResult<QByteArray> ZipPackage::readUntil(const QString& part, QByteArrayView marker) const {
    const Entry* entry = find(part);
    if (entry == nullptr) {
        return SpreadsheetError{QStringLiteral("the package has no part \"%1\"").arg(part)};
    }
    if (entry->produce) {
        return entry->produce();
    }
    if (entry->replacement) {
        return *entry->replacement;
    }
    return readSource(*entry, marker);
}

SpreadsheetResult<QByteArray> ZipPackage::readSource(const Entry& entry, QByteArrayView marker) const {
    const QString& name = entry.name;
    const zip_uint64_t index = *entry.sourceIndex;
    zip_stat_t stat;
    if (zip_stat_index(source_.get(), index, 0, &stat) != 0 || (stat.valid & ZIP_STAT_SIZE) == 0) {
        return SpreadsheetError{QStringLiteral("the part \"%1\" cannot be read").arg(name)};
    }
    if (stat.size > static_cast<zip_uint64_t>(kMaxPartSize)) {
        return SpreadsheetError{QStringLiteral("the part \"%1\" is too large").arg(name)};
    }
    zip_file_t* file = zip_fopen_index(source_.get(), index, 0);
    if (file == nullptr) {
        return zipError(QStringLiteral("the part \"%1\" cannot be read").arg(name),
                        zip_get_error(source_.get()));
    }
    // Without a marker the part is inflated in one read into an array of its size.
    const qsizetype size = static_cast<qsizetype>(stat.size);
    const qsizetype step = marker.isEmpty() ? size : kHeadStep;
    QByteArray bytes(marker.isEmpty() ? size : 0, Qt::Uninitialized);
    qsizetype filled = 0;
    zip_int64_t count = 0;
    while (filled < size) {
        bytes.resize(std::min(size, filled + step));
        count = zip_fread(file, bytes.data() + filled, static_cast<zip_uint64_t>(bytes.size() - filled));
        if (count <= 0) {
            break;
        }
        const qsizetype searchFrom = std::max<qsizetype>(0, filled - marker.size());
        filled += static_cast<qsizetype>(count);
        if (!marker.isEmpty() && QByteArrayView(bytes).first(filled).indexOf(marker, searchFrom) >= 0) {
            break;
        }
    }
    zip_fclose(file);
    if (count < 0 || (marker.isEmpty() && filled != size)) {
        return SpreadsheetError{QStringLiteral("the part \"%1\" is damaged").arg(name)};
    }
    bytes.truncate(filled);
    return bytes;
}

void ZipPackage::write(const QString& part, QByteArray bytes) {
    const auto position = positions_.find(part);
    if (position != positions_.end()) {
        entries_[position->second].replacement = std::move(bytes);
        entries_[position->second].produce = nullptr;
        return;
    }
    positions_.emplace(part, entries_.size());
    entries_.push_back({part, std::nullopt, std::move(bytes), nullptr});
}

void ZipPackage::writeOnDemand(const QString& part, std::function<QByteArray()> produce) {
    write(part, {});
    entries_[positions_.at(part)].produce = std::move(produce);
}

zip_source_t* ZipPackage::dataOf(zip_t* archive, const Entry& entry) const {
    if (entry.produce) {
        auto* state = new ProducedSource{entry.produce, {}, 0, {}};
        zip_error_init(&state->error);
        zip_source_t* source = zip_source_function(archive, producedSourceCallback, state);
        if (source == nullptr) {
            delete state;
        }
        return source;
    }
    if (entry.replacement) {
        return zip_source_buffer(archive, entry.replacement->constData(),
                                 static_cast<zip_uint64_t>(entry.replacement->size()), 0);
    }
    return zip_source_zip(archive, source_.get(), *entry.sourceIndex, ZIP_FL_COMPRESSED, 0, -1);
}

std::vector<QString> ZipPackage::partNames() const {
    std::vector<QString> names;
    names.reserve(entries_.size());
    for (const Entry& entry : entries_) {
        names.push_back(entry.name);
    }
    return names;
}

void ZipPackage::remove(const QString& part) {
    const auto position = positions_.find(part);
    if (position == positions_.end()) {
        return;
    }
    entries_.erase(entries_.begin() + static_cast<std::ptrdiff_t>(position->second));
    positions_.clear();
    for (std::size_t index = 0; index < entries_.size(); ++index) {
        positions_.emplace(entries_[index].name, index);
    }
}

SpreadsheetResult<QByteArray> ZipPackage::toBytes() const {
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t* target = zip_source_buffer_create(nullptr, 0, 0, &error);
    if (target == nullptr) {
        return zipError(QStringLiteral("cannot write the package"), &error);
    }
    zip_source_keep(target);
    zip_t* archive = zip_open_from_source(target, ZIP_TRUNCATE, &error);
    if (archive == nullptr) {
        zip_source_free(target);
        return zipError(QStringLiteral("cannot write the package"), &error);
    }
    for (const Entry& entry : entries_) {
        const bool replaced = entry.replacement.has_value();
        zip_source_t* data = dataOf(archive, entry);
        const QByteArray name = entry.name.toUtf8();
        const zip_int64_t index =
            data == nullptr ? -1 : zip_file_add(archive, name.constData(), data, ZIP_FL_ENC_UTF_8);
        if (index < 0) {
            zip_source_free(data);
            SpreadsheetError failure{QStringLiteral("cannot add \"%1\" to the package: %2")
                                         .arg(entry.name, QString::fromUtf8(zip_strerror(archive)))};
            zip_discard(archive);
            zip_source_free(target);
            return failure;
        }
        if (replaced) {
            zip_set_file_compression(archive, static_cast<zip_uint64_t>(index), ZIP_CM_DEFLATE,
                                     kCompressionLevel);
        }
    }
    if (zip_close(archive) != 0) {
        SpreadsheetError failure{
            QStringLiteral("cannot write the package: %1").arg(QString::fromUtf8(zip_strerror(archive)))};
        zip_discard(archive);
        zip_source_free(target);
        return failure;
    }
    SpreadsheetResult<QByteArray> bytes = drainSource(target);
    zip_source_free(target);
    return bytes;
}

}  // namespace korvex::xlsx
