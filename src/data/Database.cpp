#include "Database.h"

#include <firebird/Interface.h>
#include <ibase.h>

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStringDecoder>
#include <QThread>

#include <QRegularExpression>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <optional>
#include <pthread.h>

#include <cstring>

using namespace Firebird;

namespace zud::db {

namespace {

constexpr unsigned kDialect = 1;
// Character set ids.
constexpr unsigned kOctets = 1;
constexpr unsigned kUtf8 = 4;

IMaster* Master() {
    static IMaster* m = fb_get_master_interface();
    return m;
}

[[noreturn]] void Rethrow(const FbException& e) {
    char buf[2048];
    Master()->getUtilInterface()->formatStatus(buf, sizeof buf, e.getStatus());
    const ISC_STATUS* v = e.getStatus()->getErrors();
    const long gds = (v[0] == isc_arg_gds) ? static_cast<long>(v[1]) : 0L;
    const int sqlcode = static_cast<int>(isc_sqlcode(v));
    // Every code of the status vector and the system's error number, for the German message.
    std::vector<long> codes;
    long os = 0;
    for (const ISC_STATUS* p = v; *p != isc_arg_end;) {
        const ISC_STATUS type = *p++;
        if (type == isc_arg_cstring) {
            p += 2;
            continue;
        }
        const ISC_STATUS value = *p++;
        if (type == isc_arg_gds) {
            codes.push_back(static_cast<long>(value));
        } else if (type == isc_arg_unix || type == isc_arg_win32) {
            os = static_cast<long>(value);
        }
    }
    throw DbError(QString::fromUtf8(buf).trimmed(), sqlcode, gds, std::move(codes), os);
}

[[noreturn]] void NotConnected() {
    throw DbError(QStringLiteral("no connection to the database"), 0, 0);
}

// Releases a reference-counted interface of the client library unless it was handed on.
template <typename T> class Ref {
public:
    explicit Ref(T* p = nullptr) : FP(p) {}
    ~Ref() {
        if (FP) {
            FP->release();
        }
    }
    Ref(const Ref&) = delete;
    Ref& operator=(const Ref&) = delete;
    T* operator->() const { return FP; }
    T* get() const { return FP; }
    // The interface is gone (closed by a successful close call): nothing to release.
    void Forget() { FP = nullptr; }

private:
    T* FP;
};

// The status of one operation; the operation is one call into the client from start to end.
struct Status {
    ClientCall call;
    ThrowStatusWrapper w{Master()->getStatus()};
    ~Status() { w.dispose(); }
};

QByteArray Bytes(const QString& s) {
    return s.toUtf8();
}

// The converter's name of a Firebird single-byte character set; empty when there is none.
QByteArray ConverterName(const QString& firebird) {
    const QString n = firebird.trimmed().toUpper();
    static const QRegularExpression kWin(QStringLiteral("^WIN(125[0-8])$"));
    static const QRegularExpression kIso(QStringLiteral("^ISO8859_([1-9]|1[3-5])$"));
    static const QRegularExpression kDos(QStringLiteral("^DOS(437|737|775|850|852|857|858|860|861|862|863|"
                                                        "864|865|866|869)$"));
    if (const auto m = kWin.match(n); m.hasMatch()) {
        return "windows-" + m.captured(1).toLatin1();
    }
    if (const auto m = kIso.match(n); m.hasMatch()) {
        return "ISO-8859-" + m.captured(1).toLatin1();
    }
    if (const auto m = kDos.match(n); m.hasMatch()) {
        return "IBM" + m.captured(1).toLatin1();
    }
    if (n == QLatin1String("KOI8R")) {
        return "KOI8-R";
    }
    if (n == QLatin1String("KOI8U")) {
        return "KOI8-U";
    }
    return {};
}

// ISC timestamps: days since 17 Nov 1858 and 1/10000 s since midnight.
ISC_TIMESTAMP ToIsc(const QDateTime& dt) {
    const QDate base(1858, 11, 17);
    ISC_TIMESTAMP ts;
    ts.timestamp_date = static_cast<ISC_DATE>(base.daysTo(dt.date()));
    const QTime t = dt.time();
    ts.timestamp_time = static_cast<ISC_TIME>((t.msecsSinceStartOfDay()) * 10);
    return ts;
}

QDateTime FromIsc(const ISC_TIMESTAMP& ts) {
    const QDate date = QDate(1858, 11, 17).addDays(ts.timestamp_date);
    const QTime time = QTime::fromMSecsSinceStartOfDay(static_cast<int>(ts.timestamp_time / 10));
    return QDateTime(date, time);
}

void SetFixed(ThrowStatusWrapper* st, IMetadataBuilder* b, unsigned i, unsigned type, unsigned length) {
    b->setType(st, i, type + 1);
    b->setLength(st, i, length);
    b->setScale(st, i, 0);
}

std::vector<uint8_t> Tpb(bool readOnly) {
    return {isc_tpb_version3, static_cast<uint8_t>(readOnly ? isc_tpb_read : isc_tpb_write),
            isc_tpb_read_committed, isc_tpb_rec_version, isc_tpb_nowait};
}

// The handles of one statement, freed when its run ends on any path.
struct StatementHandles {
    IStatement* stmt = nullptr;
    IMessageMetadata* inMeta = nullptr;
    IMessageMetadata* outMeta = nullptr;
    IResultSet* rs = nullptr;

    StatementHandles() = default;
    StatementHandles(const StatementHandles&) = delete;
    StatementHandles& operator=(const StatementHandles&) = delete;
    ~StatementHandles() {
        if (rs) {
            rs->release();
        }
        if (inMeta) {
            inMeta->release();
        }
        if (outMeta) {
            outMeta->release();
        }
        if (stmt) {
            stmt->release();
        }
    }
};

} // namespace

struct Connection::Impl {
    IAttachment* att = nullptr;
    ITransaction* tra = nullptr;
    bool rollback = false; // finish by rolling back (an exception unwinds)
    bool lost = false;     // the connection broke off: nothing more goes to the server
    bool dirty = false;    // changed since the last commit or rollback
    // The server of a remote connection (empty for the embedded engine).
    QString serverHost;
    QString serverPort;
    bool readOnly = false; // transactions that only read
    // The database's character set and the connection's; `page` converts for an 8-bit one.
    QString dbCharset = QStringLiteral("UTF8");
    QString connCharset = QStringLiteral("UTF8");
    unsigned connCharsetId = kUtf8;
    std::unique_ptr<CodePage> page;
    // The code page of the parameters, for 8-bit bytes on any connection; made when first needed.
    QString eightBitName = QStringLiteral("WIN1252");
    mutable std::unique_ptr<CodePage> eightBit;

    QByteArray Encode(const QString& text) const {
        if (!page) {
            return text.toUtf8();
        }
        QByteArray out;
        QChar bad;
        if (!page->Encode(text, &out, &bad)) {
            throw DbError(QStringLiteral("Cannot transliterate character between character sets: "
                                         "\"%1\" (U+%2) does not exist in %3")
                              .arg(bad)
                              .arg(bad.unicode(), 4, 16, QLatin1Char('0'))
                              .arg(page->Name()),
                          -802, isc_arith_except, {isc_arith_except, isc_transliteration_failed});
        }
        return out;
    }
    QString Decode(const char* data, qsizetype n) const {
        return page ? page->Decode(QByteArray::fromRawData(data, n)) : QString::fromUtf8(data, n);
    }

    ~Impl() {
        Status st;
        if (lost) {
            // The server is gone: its end of the transaction was undone with the connection.
            // Only the client's objects are freed.
            if (tra) {
                tra->release();
                tra = nullptr;
            }
            if (att) {
                att->release();
                att = nullptr;
            }
            return;
        }
        try {
            if (tra) {
                if (rollback) {
                    tra->rollback(&st.w);
                } else {
                    tra->commit(&st.w);
                }
                tra = nullptr;
            }
        } catch (const FbException&) {
            if (tra) {
                try {
                    tra->rollback(&st.w);
                } catch (const FbException&) {
                }
                tra = nullptr;
            }
        }
        try {
            if (att) {
                att->detach(&st.w);
                att = nullptr;
            }
        } catch (const FbException&) {
            if (att) {
                att->release();
                att = nullptr;
            }
        }
    }

    void Start(ThrowStatusWrapper* st) {
        const auto tpb = Tpb(readOnly);
        tra = att->startTransaction(st, static_cast<unsigned>(tpb.size()), tpb.data());
    }

    // A failing call leaves the blob open: the guard releases it then. A successful close
    // releases it itself.
    QByteArray ReadBlob(ThrowStatusWrapper* st, ISC_QUAD id) {
        Ref<IBlob> blob(att->openBlob(st, tra, &id, 0, nullptr));
        QByteArray out;
        char buf[32768];
        for (;;) {
            unsigned got = 0;
            const int r = blob->getSegment(st, sizeof buf, buf, &got);
            if (r == IStatus::RESULT_OK || r == IStatus::RESULT_SEGMENT) {
                out.append(buf, static_cast<qsizetype>(got));
            } else {
                break;
            }
        }
        blob->close(st);
        blob.Forget();
        return out;
    }

    ISC_QUAD WriteBlob(ThrowStatusWrapper* st, const QByteArray& data) {
        ISC_QUAD id{};
        Ref<IBlob> blob(att->createBlob(st, tra, &id, 0, nullptr));
        constexpr qsizetype kSeg = 32768;
        for (qsizetype at = 0; at < data.size(); at += kSeg) {
            const qsizetype n = std::min(kSeg, data.size() - at);
            blob->putSegment(st, static_cast<unsigned>(n), data.constData() + at);
        }
        blob->close(st);
        blob.Forget();
        return id;
    }

    std::vector<Row> Run(const QString& sql, const QVariantList& params, bool wantRows,
                         qint64* affected = nullptr);

private:
    // The steps of Run: the parameters in, the rows out.
    IMessageMetadata* InputMetadata(ThrowStatusWrapper* st, IStatement* stmt, const QVariantList& params,
                                    std::vector<QByteArray>* texts);
    void SetInputType(ThrowStatusWrapper* st, IMetadataBuilder* b, unsigned i, unsigned type,
                      const QVariant& v, QByteArray* text);
    std::vector<unsigned char> InputMessage(ThrowStatusWrapper* st, IMessageMetadata* inMeta,
                                            const QVariantList& params, const std::vector<QByteArray>& texts);
    void PutValue(ThrowStatusWrapper* st, unsigned type, const QVariant& v, const QByteArray& text,
                  unsigned char* data);
    IMessageMetadata* OutputMetadata(ThrowStatusWrapper* st, IMessageMetadata* produced, unsigned nOut,
                                     QStringList* names);
    void SetOutputType(ThrowStatusWrapper* st, IMessageMetadata* produced, IMetadataBuilder* ob, unsigned i);
    QVariantList RowValues(ThrowStatusWrapper* st, IMessageMetadata* outMeta,
                           const std::vector<unsigned char>& outBuf, const std::vector<bool>& octets);
    QVariant Value(ThrowStatusWrapper* st, unsigned type, const unsigned char* data, bool octets);
};

std::vector<Row> Connection::Impl::Run(const QString& sql, const QVariantList& params, bool wantRows,
                                       qint64* affected) {
    if (!att || !tra) {
        NotConnected();
    }
    Status st;
    StatementHandles h;
    std::vector<Row> rows;
    try {
        const QByteArray text = Encode(sql);
        h.stmt =
            att->prepare(&st.w, tra, 0, text.constData(), kDialect, IStatement::PREPARE_PREFETCH_METADATA);

        std::vector<QByteArray> texts;
        h.inMeta = InputMetadata(&st.w, h.stmt, params, &texts);
        std::vector<unsigned char> inBuf = InputMessage(&st.w, h.inMeta, params, texts);

        Ref<IMessageMetadata> produced(h.stmt->getOutputMetadata(&st.w));
        const unsigned nOut = produced->getCount(&st.w);
        if (!wantRows || nOut == 0) {
            h.stmt->execute(&st.w, tra, h.inMeta, inBuf.data(), nullptr, nullptr);
            if (affected) {
                *affected = static_cast<qint64>(h.stmt->getAffectedRecords(&st.w));
            }
            return rows;
        }
        auto names = std::make_shared<QStringList>();
        h.outMeta = OutputMetadata(&st.w, produced.get(), nOut, names.get());
        std::vector<bool> octets(nOut);
        for (unsigned i = 0; i < nOut; ++i) {
            octets[i] = h.outMeta->getCharSet(&st.w, i) == kOctets;
        }
        std::vector<unsigned char> outBuf(h.outMeta->getMessageLength(&st.w), 0);
        h.rs = h.stmt->openCursor(&st.w, tra, h.inMeta, inBuf.data(), h.outMeta, 0);
        while (h.rs->fetchNext(&st.w, outBuf.data()) == IStatus::RESULT_OK) {
            rows.emplace_back(names, RowValues(&st.w, h.outMeta, outBuf, octets));
        }
        h.rs->close(&st.w); // a successful close releases the cursor
        h.rs = nullptr;
    } catch (const FbException& e) {
        Rethrow(e);
    }
    return rows;
}

// Input message: every parameter in a type we can fill, the server converts.
IMessageMetadata* Connection::Impl::InputMetadata(ThrowStatusWrapper* st, IStatement* stmt,
                                                  const QVariantList& params,
                                                  std::vector<QByteArray>* texts) {
    Ref<IMessageMetadata> declared(stmt->getInputMetadata(st));
    const unsigned nIn = declared->getCount(st);
    if (nIn != static_cast<unsigned>(params.size())) {
        throw DbError(QStringLiteral("Anzahl der Parameter passt nicht: %1 erwartet, %2 gegeben")
                          .arg(nIn)
                          .arg(params.size()),
                      0, 0);
    }
    texts->assign(nIn, QByteArray());
    Ref<IMetadataBuilder> b(declared->getBuilder(st));
    for (unsigned i = 0; i < nIn; ++i) {
        const unsigned type = declared->getType(st, i) & ~1u;
        SetInputType(st, b.get(), i, type, params[static_cast<qsizetype>(i)], &(*texts)[i]);
    }
    return b->getMetadata(st);
}

// The type a parameter goes in as, from the declared type and the value's own.
void Connection::Impl::SetInputType(ThrowStatusWrapper* st, IMetadataBuilder* b, unsigned i, unsigned type,
                                    const QVariant& v, QByteArray* text) {
    // Setting a type keeps the declared length: every fixed type gets its own.
    if (type == SQL_BLOB) {
        SetFixed(st, b, i, SQL_BLOB, sizeof(ISC_QUAD));
    } else if (v.typeId() == QMetaType::QDateTime || v.typeId() == QMetaType::QDate) {
        SetFixed(st, b, i, SQL_TIMESTAMP, sizeof(ISC_TIMESTAMP));
    } else if (v.typeId() == QMetaType::Double) {
        SetFixed(st, b, i, SQL_DOUBLE, sizeof(double));
    } else if (v.typeId() == QMetaType::Int || v.typeId() == QMetaType::LongLong ||
               v.typeId() == QMetaType::UInt || v.typeId() == QMetaType::ULongLong) {
        SetFixed(st, b, i, SQL_INT64, sizeof(qint64));
    } else {
        // Bytes go in as they are; texts in the connection's character set.
        const bool raw = v.typeId() == QMetaType::QByteArray;
        *text = raw ? v.toByteArray() : Encode(v.toString());
        b->setType(st, i, SQL_VARYING + 1);
        b->setLength(st, i, static_cast<unsigned>(std::max<qsizetype>(text->size(), 1)));
        b->setCharSet(st, i, raw ? kOctets : connCharsetId);
        b->setScale(st, i, 0);
    }
}

// The filled input message; a blob parameter is written first and goes in by its id.
std::vector<unsigned char> Connection::Impl::InputMessage(ThrowStatusWrapper* st, IMessageMetadata* inMeta,
                                                          const QVariantList& params,
                                                          const std::vector<QByteArray>& texts) {
    const unsigned nIn = static_cast<unsigned>(texts.size());
    std::vector<unsigned char> inBuf(inMeta->getMessageLength(st), 0);
    for (unsigned i = 0; i < nIn; ++i) {
        const QVariant& v = params[static_cast<qsizetype>(i)];
        unsigned char* data = inBuf.data() + inMeta->getOffset(st, i);
        auto* isNull = reinterpret_cast<short*>(inBuf.data() + inMeta->getNullOffset(st, i));
        *isNull = v.isNull() ? -1 : 0;
        if (v.isNull()) {
            continue;
        }
        PutValue(st, inMeta->getType(st, i) & ~1u, v, texts[i], data);
    }
    return inBuf;
}

// One parameter's value at its place in the message.
void Connection::Impl::PutValue(ThrowStatusWrapper* st, unsigned type, const QVariant& v,
                                const QByteArray& text, unsigned char* data) {
    switch (type) {
    case SQL_BLOB: {
        const ISC_QUAD id = WriteBlob(st, v.toByteArray());
        std::memcpy(data, &id, sizeof id);
        break;
    }
    case SQL_TIMESTAMP: {
        const QDateTime dt =
            v.typeId() == QMetaType::QDate ? QDateTime(v.toDate(), QTime(0, 0)) : v.toDateTime();
        const ISC_TIMESTAMP ts = ToIsc(dt);
        std::memcpy(data, &ts, sizeof ts);
        break;
    }
    case SQL_DOUBLE: {
        const double d = v.toDouble();
        std::memcpy(data, &d, sizeof d);
        break;
    }
    case SQL_INT64: {
        const qint64 n = v.toLongLong();
        std::memcpy(data, &n, sizeof n);
        break;
    }
    default: {
        const auto len = static_cast<unsigned short>(text.size());
        std::memcpy(data, &len, sizeof len);
        std::memcpy(data + sizeof len, text.constData(), len);
        break;
    }
    }
}

// The output message in the types we read; `names` gets the columns' names.
IMessageMetadata* Connection::Impl::OutputMetadata(ThrowStatusWrapper* st, IMessageMetadata* produced,
                                                   unsigned nOut, QStringList* names) {
    Ref<IMetadataBuilder> ob(produced->getBuilder(st));
    for (unsigned i = 0; i < nOut; ++i) {
        names->append(QString::fromUtf8(produced->getAlias(st, i)).toUpper());
        SetOutputType(st, produced, ob.get(), i);
    }
    return ob->getMetadata(st);
}

// The type a column is read in: whole numbers as 64-bit integers, scaled and floating ones as
// doubles, dates as timestamps; texts, bytes and blobs as they come; anything else as text.
void Connection::Impl::SetOutputType(ThrowStatusWrapper* st, IMessageMetadata* produced, IMetadataBuilder* ob,
                                     unsigned i) {
    const unsigned type = produced->getType(st, i) & ~1u;
    switch (type) {
    case SQL_SHORT:
    case SQL_LONG:
    case SQL_INT64:
        if (produced->getScale(st, i) == 0) {
            SetFixed(st, ob, i, SQL_INT64, sizeof(qint64));
        } else {
            SetFixed(st, ob, i, SQL_DOUBLE, sizeof(double));
        }
        break;
    case SQL_FLOAT:
    case SQL_DOUBLE:
    case SQL_D_FLOAT:
        SetFixed(st, ob, i, SQL_DOUBLE, sizeof(double));
        break;
    case SQL_TIMESTAMP:
    case SQL_TYPE_DATE:
        SetFixed(st, ob, i, SQL_TIMESTAMP, sizeof(ISC_TIMESTAMP));
        break;
    case SQL_TEXT:
    case SQL_VARYING:
        // Bytes (OCTETS) stay bytes; texts come in the connection's character set.
        ob->setType(st, i, SQL_VARYING + 1);
        ob->setCharSet(st, i, produced->getCharSet(st, i) == kOctets ? kOctets : connCharsetId);
        break;
    case SQL_BLOB:
        SetFixed(st, ob, i, SQL_BLOB, sizeof(ISC_QUAD));
        break;
    default:
        ob->setType(st, i, SQL_VARYING + 1);
        ob->setCharSet(st, i, connCharsetId);
        ob->setLength(st, i, 64);
        break;
    }
}

// The values of one fetched row.
QVariantList Connection::Impl::RowValues(ThrowStatusWrapper* st, IMessageMetadata* outMeta,
                                         const std::vector<unsigned char>& outBuf,
                                         const std::vector<bool>& octets) {
    const unsigned nOut = static_cast<unsigned>(octets.size());
    QVariantList values;
    values.reserve(static_cast<qsizetype>(nOut));
    for (unsigned i = 0; i < nOut; ++i) {
        const unsigned char* data = outBuf.data() + outMeta->getOffset(st, i);
        short isNull;
        std::memcpy(&isNull, outBuf.data() + outMeta->getNullOffset(st, i), sizeof isNull);
        if (isNull) {
            values.append(QVariant());
            continue;
        }
        values.append(Value(st, outMeta->getType(st, i) & ~1u, data, octets[i]));
    }
    return values;
}

// One column's value from its place in the message.
QVariant Connection::Impl::Value(ThrowStatusWrapper* st, unsigned type, const unsigned char* data,
                                 bool octets) {
    switch (type) {
    case SQL_INT64: {
        qint64 n;
        std::memcpy(&n, data, sizeof n);
        return n;
    }
    case SQL_DOUBLE: {
        double d;
        std::memcpy(&d, data, sizeof d);
        return d;
    }
    case SQL_TIMESTAMP: {
        ISC_TIMESTAMP ts;
        std::memcpy(&ts, data, sizeof ts);
        return FromIsc(ts);
    }
    case SQL_BLOB: {
        ISC_QUAD id;
        std::memcpy(&id, data, sizeof id);
        return ReadBlob(st, id);
    }
    default: {
        unsigned short len;
        std::memcpy(&len, data, sizeof len);
        const char* text = reinterpret_cast<const char*>(data + sizeof len);
        if (octets) {
            return QByteArray(text, len);
        }
        return Decode(text, len);
    }
    }
}

bool DbError::Has(long gdscode) const {
    return FGdsCode == gdscode || std::find(FCodes.begin(), FCodes.end(), gdscode) != FCodes.end();
}

DbError ChangedElsewhere(const QString& what) {
    return DbError(QStringLiteral("update conflicts with concurrent update: %1").arg(what), -913,
                   isc_deadlock, {isc_deadlock, isc_update_conflict});
}

// ---------------------------------------------------------------- character sets

CodePage::CodePage(const QString& firebirdName) : FName(firebirdName.trimmed().toUpper()) {
    const QByteArray converter = ConverterName(FName);
    if (converter.isEmpty()) {
        return;
    }
    QStringDecoder probe(converter.constData());
    if (!probe.isValid()) {
        return;
    }
    bool used[256] = {};
    bool defined[256] = {};
    for (int b = 0; b < 256; ++b) {
        QStringDecoder d(converter.constData());
        const QString c = d.decode(QByteArray(1, static_cast<char>(b)));
        if (c.size() == 1 && c[0] != QChar::ReplacementCharacter && !d.hasError()) {
            FToUnicode[b] = c[0].unicode();
            defined[b] = true;
            if (c[0].unicode() < 256) {
                used[c[0].unicode()] = true;
            }
        }
    }
    for (int b = 0; b < 256; ++b) {
        if (!defined[b]) {
            FToUnicode[b] = used[b] ? char16_t(QChar::ReplacementCharacter) : char16_t(b);
        }
    }
    for (int b = 0; b < 256; ++b) {
        if (FToUnicode[b] != QChar::ReplacementCharacter) {
            FFromUnicode.emplace_back(FToUnicode[b], static_cast<unsigned char>(b));
        }
    }
    std::sort(FFromUnicode.begin(), FFromUnicode.end());
    // A single-byte set reads the printable ASCII letters as themselves; anything else is none
    // of ours.
    for (int b = 0x20; b < 0x7F; ++b) {
        if (FToUnicode[b] != b) {
            FFromUnicode.clear();
            return;
        }
    }
    FValid = true;
}

QString CodePage::Decode(const QByteArray& bytes) const {
    QString s(bytes.size(), Qt::Uninitialized);
    QChar* out = s.data();
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        out[i] = QChar(FToUnicode[static_cast<unsigned char>(bytes[i])]);
    }
    return s;
}

bool CodePage::Encode(const QString& text, QByteArray* out, QChar* bad) const {
    out->resize(text.size());
    char* o = out->data();
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (c < 0x80 && FToUnicode[c] == c) {
            o[i] = static_cast<char>(c);
            continue;
        }
        const auto it = std::lower_bound(FFromUnicode.begin(), FFromUnicode.end(), c,
                                         [](const auto& e, char16_t v) { return e.first < v; });
        if (it == FFromUnicode.end() || it->first != c) {
            if (bad) {
                *bad = text[i];
            }
            out->clear();
            return false;
        }
        o[i] = static_cast<char>(it->second);
    }
    return true;
}

bool IsUtf8(const QByteArray& bytes) {
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.constData());
    const qsizetype n = bytes.size();
    for (qsizetype i = 0; i < n;) {
        const unsigned char c = p[i];
        if (c < 0x80) {
            ++i;
            continue;
        }
        int len;
        char32_t cp;
        if (c >= 0xC2 && c <= 0xDF) {
            len = 2;
            cp = c & 0x1F;
        } else if (c >= 0xE0 && c <= 0xEF) {
            len = 3;
            cp = c & 0x0F;
        } else if (c >= 0xF0 && c <= 0xF4) {
            len = 4;
            cp = c & 0x07;
        } else {
            return false;
        }
        if (i + len > n) {
            return false;
        }
        for (int k = 1; k < len; ++k) {
            if ((p[i + k] & 0xC0) != 0x80) {
                return false;
            }
            cp = (cp << 6) | (p[i + k] & 0x3F);
        }
        // Overlong forms, surrogates and numbers beyond Unicode are no UTF-8.
        if ((len == 3 && cp < 0x800) || (len == 4 && (cp < 0x10000 || cp > 0x10FFFF)) ||
            (cp >= 0xD800 && cp <= 0xDFFF)) {
            return false;
        }
        i += len;
    }
    return true;
}

namespace {

// The folder of the file a failed write names ("… operation for file "/path/file""); empty when
// the message names none.
QString FullFolder(const QString& message) {
    static const QRegularExpression kFile(QStringLiteral("for file \"([^\"]+)\""));
    const auto m = kFile.match(message);
    return m.hasMatch() ? QFileInfo(m.captured(1)).absolutePath() : QString();
}

// The system's error number of a failed call. A server does not pass it on, only its text.
long SystemError(const DbError& e) {
    long os = e.OsError();
    if (os == 0) {
        const QString& m = e.Message();
        if (m.contains(QLatin1String("No such file or directory"))) {
            os = ENOENT;
        } else if (m.contains(QLatin1String("Permission denied"))) {
            os = EACCES;
        } else if (m.contains(QLatin1String("No space left on device"))) {
            os = ENOSPC;
        } else if (m.contains(QLatin1String("Read-only file system"))) {
            os = EROFS;
        }
    }
    return os;
}

// What a statement met in the data: a change by another workstation, a character the
// database cannot store.
std::optional<QString> DataText(const DbError& e) {
    if (e.IsUpdateConflict()) {
        return QCoreApplication::translate(
            "Datenbank",
            "Der Datensatz wird gerade an einem anderen Arbeitsplatz bearbeitet oder wurde dort soeben "
            "geändert. Ihre Änderung wurde nicht gespeichert. Bitte laden Sie die Liste neu und versuchen "
            "Sie es noch einmal.");
    }
    if (e.IsTransliterationError()) {
        return QCoreApplication::translate(
            "Datenbank",
            "Ein Text enthält ein Zeichen, das der Zeichensatz dieser Datenbank nicht speichern kann. "
            "Ersetzen Sie das Zeichen und versuchen Sie es noch einmal.");
    }
    if (e.Has(isc_charset_not_found)) {
        return QCoreApplication::translate(
            "Datenbank",
            "Der Zeichensatz der Datenbank oder der Einstellung SQLCodePage3 wird nicht unterstützt.");
    }
    return std::nullopt;
}

// The way to the server and the login: no encryption, a broken or impossible connection, a wrong
// password or a missing right.
std::optional<QString> ConnectionText(const DbError& e) {
    if (e.Has(isc_wirecrypt_incompatible)) {
        return QCoreApplication::translate(
            "Datenbank",
            "Die Verbindung zum Datenbankserver wäre nicht verschlüsselt. Patientendaten gehen nur "
            "verschlüsselt über das Netz: Stellen Sie auf dem Server WireCrypt = Required ein "
            "(zudctl server-setup --system).");
    }
    if (e.IsNetworkError() && e.ConnectionLost()) {
        return QCoreApplication::translate(
                   "Datenbank",
                   "Die Verbindung zum Datenbankserver „%1“ (Port %2) ist abgebrochen; der Vorgang wurde "
                   "nicht abgeschlossen und nichts davon halb gespeichert. Prüfen Sie, ob der Server "
                   "läuft. Sobald er wieder erreichbar ist, verbindet sich das Programm bei der nächsten "
                   "Aktion neu; wiederholen Sie dann den Vorgang.")
            .arg(e.ServerHost(), e.ServerPort());
    }
    if (e.IsNetworkError() && !e.ServerHost().isEmpty()) {
        return QCoreApplication::translate(
                   "Datenbank",
                   "Der Datenbankserver „%1“ (Port %2) ist nicht erreichbar. Prüfen Sie, ob der Server "
                   "läuft, ob dieser Arbeitsplatz ihn im Netz erreicht und ob Servername und Port "
                   "(SQLServer3, RemoteServicePort3) stimmen.")
            .arg(e.ServerHost(), e.ServerPort());
    }
    if (e.IsNetworkError()) {
        return QCoreApplication::translate(
            "Datenbank", "Der Datenbankserver ist nicht erreichbar. Prüfen Sie, ob der Server läuft und ob "
                         "Servername und Port (SQLServer3, RemoteServicePort3) stimmen.");
    }
    if (e.Has(isc_login) || e.Has(isc_no_priv)) {
        return e.Has(isc_login)
                   ? QCoreApplication::translate("Datenbank", "Benutzername oder Passwort ist falsch.")
                   : QCoreApplication::translate(
                         "Datenbank", "Diesem Benutzer fehlt die Berechtigung für diesen Vorgang.");
    }
    return std::nullopt;
}

// The file and its folders, by the engine's code and the system's error number `os`: not a
// database of ours, the lock folder, a full disk, missing rights, no file, a file in use.
std::optional<QString> FileText(const DbError& e, long os) {
    if (e.Has(isc_bad_db_format) || e.Has(isc_db_corrupt) || e.Has(isc_wrong_ods) || e.Has(isc_badodsver) ||
        e.Has(isc_bad_checksum)) {
        return QCoreApplication::translate(
            "Datenbank",
            "Die Datei ist keine Datenbank dieses Programms oder sie ist beschädigt. Stellen Sie die "
            "letzte Datensicherung wieder her.");
    }
    if (e.Has(isc_lock_dir_access) || (e.Has(isc_lockmanerr) && (os == EACCES || os == EPERM)) ||
        (e.Has(isc_sys_request) && !qEnvironmentVariableIsEmpty("FIREBIRD_LOCK") &&
         e.Message().contains(qEnvironmentVariable("FIREBIRD_LOCK")))) {
        return QCoreApplication::translate(
            "Datenbank",
            "Keine Berechtigung für den Sperr-Ordner der Datenbank (FIREBIRD_LOCK). Der Benutzer braucht "
            "dort Schreibrecht.");
    }
    if ((os == ENOSPC || os == EDQUOT) && !FullFolder(e.Message()).isEmpty()) {
        return QCoreApplication::translate("Datenbank",
                                           "Kein Platz auf %1: Der Datenträger der Datenbank ist voll. "
                                           "Schaffen Sie dort Platz und versuchen Sie es erneut.")
            .arg(QDir::toNativeSeparators(FullFolder(e.Message())));
    }
    if (os == ENOSPC || os == EDQUOT) {
        return QCoreApplication::translate(
            "Datenbank",
            "Auf dem Datenträger der Datenbank ist kein Platz mehr. Schaffen Sie Platz und versuchen "
            "Sie es erneut.");
    }
    if (os == EACCES || os == EPERM || os == EROFS) {
        return QCoreApplication::translate(
            "Datenbank",
            "Keine Berechtigung für die Datenbankdatei oder ihren Ordner. Der Benutzer braucht Lese- und "
            "Schreibrecht auf beide.");
    }
    if (e.Has(isc_io_error) && os == ENOENT) {
        return QCoreApplication::translate(
            "Datenbank",
            "Die Datenbank wurde nicht gefunden. Prüfen Sie den Datenbankordner (Einstellung SQLDir3).");
    }
    if (e.Has(isc_lock_timeout) || e.Has(isc_lockmanerr) || e.Has(isc_shutdown) ||
        (e.Has(isc_io_error) && (os == EAGAIN || os == EBUSY)) ||
        e.Message().contains(QLatin1String("lock"), Qt::CaseInsensitive)) {
        return QCoreApplication::translate(
            "Datenbank",
            "Die Datenbankdatei wird gerade von einem anderen Programm benutzt. Beenden Sie das andere "
            "Programm oder verwenden Sie einen Datenbankserver für mehrere Arbeitsplätze.");
    }
    return std::nullopt;
}

// What is left: a text too long for its field, a missing role, no connection, anything else.
QString OtherText(const DbError& e) {
    if (e.Has(isc_string_truncation) || e.Has(isc_arith_except)) {
        return QCoreApplication::translate("Datenbank",
                                           "Ein Text ist länger, als sein Feld in der Datenbank erlaubt.");
    }
    if (e.IsRoleError()) {
        return QCoreApplication::translate("Datenbank",
                                           "Dem Benutzer fehlt die Rolle „Benutzer“ in der Datenbank.");
    }
    if (e.SqlCode() == 0 && e.GdsCode() == 0) {
        return QCoreApplication::translate("Datenbank", "Keine Verbindung zur Datenbank.");
    }
    return QCoreApplication::translate("Datenbank", "Fehler der Datenbank.");
}

} // namespace

// The groups are asked in this order, each its cases in order: the first that fits names the error
// (so a message that merely mentions a lock counts as a file in use only when no earlier case fits).
QString DescribeError(const DbError& e) {
    const long os = SystemError(e);
    std::optional<QString> what = DataText(e);
    if (!what) {
        what = ConnectionText(e);
    }
    if (!what) {
        what = FileText(e, os);
    }
    return QStringLiteral("%1\n(%2)").arg(what ? *what : OtherText(e), e.Message());
}

bool DbError::IsNetworkError() const {
    return Has(isc_network_error) || Has(isc_net_connect_err) || Has(isc_net_read_err) ||
           Has(isc_net_write_err) || Has(isc_conn_lost) || (FLost && !FServerHost.isEmpty());
}

QVariant Row::operator[](const QString& column) const {
    if (!FNames) {
        return {};
    }
    const qsizetype i = FNames->indexOf(column.toUpper());
    return i < 0 ? QVariant() : FValues[i];
}

qint64 Row::Int(const QString& column, qint64 fallback) const {
    const QVariant v = (*this)[column];
    bool ok = false;
    const qint64 n = v.toLongLong(&ok);
    return v.isValid() && ok ? n : fallback;
}

Connection::Connection(std::unique_ptr<Impl> impl)
    : FImpl(std::move(impl)), FUncaught(std::uncaught_exceptions()) {}

Connection::~Connection() {
    // Destroyed by an exception on its way up: what was done since the last commit is undone.
    if (std::uncaught_exceptions() > FUncaught) {
        FImpl->rollback = true;
    }
}

Connection::Impl& Connection::Live() {
    if (!FImpl->att || !FImpl->tra) {
        NotConnected();
    }
    return *FImpl;
}

bool Connection::IsOpen() const {
    return FImpl->att != nullptr;
}

namespace {

std::unique_ptr<Connection::Impl> OpenAs(const ConnectParams& p, bool create, const QString& charset) {
    Status st;
    auto impl = std::make_unique<Connection::Impl>();
    impl->readOnly = p.readOnly && !create;
    // "host/port:path" (or "host:path") names a server.
    if (!p.database.startsWith(QLatin1Char('/'))) {
        const qsizetype colon = p.database.indexOf(QLatin1Char(':'));
        const QString node = colon > 0 ? p.database.left(colon) : QString();
        const qsizetype slash = node.indexOf(QLatin1Char('/'));
        impl->serverHost = slash >= 0 ? node.left(slash) : node;
        impl->serverPort = slash >= 0 ? node.mid(slash + 1) : QStringLiteral("3050");
    }
    IXpbBuilder* dpb = nullptr;
    IProvider* prov = nullptr;
    try {
        IUtil* util = Master()->getUtilInterface();
        dpb = util->getXpbBuilder(&st.w, IXpbBuilder::DPB, nullptr, 0);
        dpb->insertString(&st.w, isc_dpb_user_name, Bytes(p.user).constData());
        dpb->insertString(&st.w, isc_dpb_password, Bytes(p.password).constData());
        if (!p.role.isEmpty()) {
            dpb->insertString(&st.w, isc_dpb_sql_role_name, Bytes(p.role).constData());
        }
        dpb->insertString(&st.w, isc_dpb_lc_ctype, charset.toLatin1().constData());
        if (!p.database.startsWith(QLatin1Char('/')) && !p.wireCrypt.isEmpty()) {
            // A server connection: the client's side of the encryption rule.
            dpb->insertString(&st.w, isc_dpb_config,
                              QStringLiteral("WireCrypt = %1").arg(p.wireCrypt).toLatin1().constData());
        }
        if (create) {
            dpb->insertInt(&st.w, isc_dpb_sql_dialect, 1);
            if (!p.createCharset.isEmpty()) {
                dpb->insertString(&st.w, isc_dpb_set_db_charset, p.createCharset.toLatin1().constData());
            }
            dpb->insertInt(&st.w, isc_dpb_page_size, 8192);
        }
        prov = Master()->getDispatcher();
        const QByteArray name = Bytes(p.database);
        if (create) {
            impl->att = prov->createDatabase(&st.w, name.constData(), dpb->getBufferLength(&st.w),
                                             dpb->getBuffer(&st.w));
        } else {
            impl->att = prov->attachDatabase(&st.w, name.constData(), dpb->getBufferLength(&st.w),
                                             dpb->getBuffer(&st.w));
        }
        prov->release();
        prov = nullptr;
        dpb->dispose();
        dpb = nullptr;
        impl->Start(&st.w);
    } catch (const FbException& e) {
        if (prov) {
            prov->release();
        }
        if (dpb) {
            dpb->dispose();
        }
        try {
            Rethrow(e);
        } catch (DbError& d) {
            if (!impl->serverHost.isEmpty() && d.IsNetworkError()) {
                d.SetServer(impl->serverHost, impl->serverPort, false);
            }
            throw;
        }
    }
    return impl;
}

[[noreturn]] void Unsupported(const QString& name) {
    throw DbError(QStringLiteral("character set %1 is not supported for 8-bit text").arg(name), -204,
                  isc_charset_not_found, {isc_charset_not_found});
}

// Attaches (or creates) in UTF8, reads the database's character set and, for any other, attaches
// again in that one: a database without a character set (NONE) in the given code page.
std::unique_ptr<Connection::Impl> Open(const ConnectParams& p, bool create) {
    auto impl = OpenAs(p, create, QStringLiteral("UTF8"));
    impl->eightBitName = p.codePage;
    const auto rows = impl->Run(QStringLiteral("select RDB$CHARACTER_SET_NAME from RDB$DATABASE"), {}, true);
    QString dbCharset = rows.empty() ? QString() : rows.front().At(0).toString().trimmed().toUpper();
    if (dbCharset.isEmpty()) {
        dbCharset = QStringLiteral("NONE");
    }
    impl->dbCharset = dbCharset;
    QString target = dbCharset;
    if (dbCharset == QLatin1String("NONE") || dbCharset == QLatin1String("OCTETS")) {
        target = p.codePage.trimmed().toUpper();
        if (target.isEmpty()) {
            target = QStringLiteral("WIN1252");
        }
    }
    if (target == QLatin1String("UTF8") || target == QLatin1String("UNICODE_FSS")) {
        return impl;
    }
    auto page = std::make_unique<CodePage>(target);
    if (!page->IsValid()) {
        Unsupported(target);
    }
    const auto id =
        impl->Run(QStringLiteral(
                      "select RDB$CHARACTER_SET_ID from RDB$CHARACTER_SETS where RDB$CHARACTER_SET_NAME = ?"),
                  {target}, true);
    if (id.empty()) {
        Unsupported(target);
    }
    const auto charsetId = static_cast<unsigned>(id.front().At(0).toLongLong());
    impl.reset(); // commits and detaches
    impl = OpenAs(p, false, target);
    impl->dbCharset = dbCharset;
    impl->connCharset = target;
    impl->connCharsetId = charsetId;
    impl->page = std::move(page);
    impl->eightBitName = p.codePage;
    return impl;
}

} // namespace

const QString& Connection::DatabaseCharset() const {
    return FImpl->dbCharset;
}

const QString& Connection::ConnectionCharset() const {
    return FImpl->connCharset;
}

bool Connection::Utf8() const {
    return !FImpl->page;
}

QByteArray Connection::EncodeText(const QString& text) const {
    return FImpl->Encode(text);
}

QString Connection::DecodeText(const QByteArray& bytes) const {
    return FImpl->Decode(bytes.constData(), bytes.size());
}

QString Connection::DecodeEightBit(const QByteArray& bytes) const {
    if (FImpl->page) {
        return FImpl->page->Decode(bytes);
    }
    if (!FImpl->eightBit) {
        FImpl->eightBit = std::make_unique<CodePage>(FImpl->eightBitName);
        if (!FImpl->eightBit->IsValid()) {
            FImpl->eightBit = std::make_unique<CodePage>(QStringLiteral("WIN1252"));
        }
    }
    return FImpl->eightBit->IsValid() ? FImpl->eightBit->Decode(bytes) : QString::fromLatin1(bytes);
}

std::unique_ptr<Connection> Connection::Attach(const ConnectParams& p) {
    return std::unique_ptr<Connection>(new Connection(Open(p, false)));
}

std::unique_ptr<Connection> Connection::Create(const ConnectParams& p) {
    return std::unique_ptr<Connection>(new Connection(Open(p, true)));
}

template <typename F> auto Connection::Guarded(F&& f) -> decltype(f()) {
    try {
        return f();
    } catch (DbError& e) {
        if (e.IsNetworkError() || e.Has(isc_att_shutdown) || e.Has(isc_shutdown)) {
            FImpl->lost = true;
            FImpl->dirty = false; // this very error tells the caller that its work is gone
            if (!FImpl->serverHost.isEmpty()) {
                e.SetServer(FImpl->serverHost, FImpl->serverPort, true);
            }
        }
        throw;
    }
}

bool Connection::Lost() const {
    return FImpl->lost;
}

bool Connection::Dirty() const {
    return FImpl->dirty;
}

void Connection::FailLost() const {
    DbError e(QStringLiteral("connection lost to database"), -902, isc_conn_lost, {isc_conn_lost});
    e.SetServer(FImpl->serverHost, FImpl->serverPort, true);
    throw e;
}

bool Connection::Ping() {
    if (FImpl->lost) {
        return false;
    }
    if (!FImpl->att) {
        return true; // closed on purpose: nothing broke off
    }
    // Nobody has heard of a break found here: uncommitted work stays marked.
    const bool dirty = FImpl->dirty;
    try {
        Guarded([this] {
            Status st;
            try {
                FImpl->att->ping(&st.w);
            } catch (const FbException& e) {
                Rethrow(e);
            }
        });
    } catch (const DbError&) {
        FImpl->lost = true;
        FImpl->dirty = dirty;
        return false;
    }
    return true;
}

std::vector<Row> Connection::Query(const QString& sql, const QVariantList& params) {
    if (!sql.trimmed().startsWith(QLatin1String("select"), Qt::CaseInsensitive)) {
        FImpl->dirty = true; // "insert … returning" and the like
    }
    return Guarded([&] { return Live().Run(sql, params, true); });
}

qint64 Connection::Exec(const QString& sql, const QVariantList& params) {
    FImpl->dirty = true;
    qint64 affected = 0;
    Guarded([&] { Live().Run(sql, params, false, &affected); });
    return affected;
}

qint64 Connection::NextId(const QString& generator) {
    // The generator's name is ours, never a user's text.
    const auto rows = Query(QStringLiteral("SELECT GEN_ID(%1, 1) FROM RDB$DATABASE").arg(generator));
    return rows.empty() ? 0 : rows.front().At(0).toLongLong();
}

void Connection::CommitRetaining() {
    Guarded([&] {
        Status st;
        try {
            Live().tra->commitRetaining(&st.w);
            FImpl->dirty = false;
        } catch (const FbException& e) {
            Rethrow(e);
        }
    });
}

void Connection::Commit() {
    Guarded([&] {
        Status st;
        try {
            Live().tra->commit(&st.w);
            FImpl->tra = nullptr;
            FImpl->Start(&st.w);
        } catch (const FbException& e) {
            Rethrow(e);
        }
    });
}

void Connection::Rollback() {
    Guarded([&] {
        Status st;
        try {
            Live().tra->rollback(&st.w);
            FImpl->tra = nullptr;
            FImpl->Start(&st.w);
        } catch (const FbException& e) {
            Rethrow(e);
        }
    });
}

void Connection::Close() {
    FImpl.reset(new Impl);
}

// ---------------------------------------------------------------- validation

namespace {

// An error of the validation itself ("Summary of validation errors" and its counts): the
// messages of the engine's repair tool.
bool IsValidationSummary(const ISC_STATUS* v) {
    constexpr long kGfixFirst = 335740928L; // facility 3, message 0
    constexpr long kGfixLast = kGfixFirst + 0x3FFF;
    return v[0] == isc_arg_gds && v[1] >= kGfixFirst && v[1] <= kGfixLast;
}

// The status as the engine words it, one line per message.
QStringList StatusLines(const ISC_STATUS* v) {
    char buf[2048];
    QStringList lines;
    const ISC_STATUS* p = v;
    while (fb_interpret(buf, sizeof buf, &p) > 0) {
        const QString l = QString::fromUtf8(buf).trimmed();
        if (!l.isEmpty()) {
            lines << l;
        }
    }
    return lines;
}

// The full check's summary sorted into `result`: its count lines of errors are findings, its count lines of
// warnings notes. An end without shutdown (a killed program, a power cut) leaves pages that
// were allocated for a change never committed: the check counts them as warnings ("orphan"
// pages, pointer pages not marked full); they cost room, never data.
// False when the summary holds nothing but its heading.
bool ReadSummary(const ISC_STATUS* v, Validation& result) {
    constexpr long kGfixFirst = 335740928L;          // facility 3, message 0
    constexpr long kHeading = kGfixFirst + 24;       // "Summary of validation errors"
    constexpr long kFirstWarning = kGfixFirst + 123; // "Number of record level warnings"
    constexpr long kLastWarning = kGfixFirst + 130;  // "Number of inventory page warnings"
    const ISC_STATUS* p = v;
    while (*p != isc_arg_end) {
        // One message: its code and the arguments that follow it.
        const ISC_STATUS* begin = p;
        const long code = p[0] == isc_arg_gds ? static_cast<long>(p[1]) : 0;
        p += *p == isc_arg_cstring ? 3 : 2;
        while (*p != isc_arg_end && *p != isc_arg_gds) {
            p += *p == isc_arg_cstring ? 3 : 2;
        }
        if (code == kHeading) {
            continue;
        }
        std::vector<ISC_STATUS> one(begin, p);
        one.push_back(isc_arg_end);
        QStringList lines;
        for (const QString& l : StatusLines(one.data())) {
            lines << l.simplified(); // "Number of … warnings<tab>: 8"
        }
        if (lines.isEmpty()) {
            lines << QStringLiteral("Firebird %1").arg(code);
        }
        (code >= kFirstWarning && code <= kLastWarning ? result.notes : result.findings) << lines;
    }
    // Only the heading: the engine named nothing it summed up; a summary is never sound.
    if (result.findings.isEmpty() && result.notes.isEmpty()) {
        result.findings = StatusLines(v);
        return false;
    }
    return true;
}

// A service attachment; detached when it goes.
class ServiceRun {
public:
    ServiceRun(const QString& service, const QString& user, const QString& password) {
        IUtil* util = Master()->getUtilInterface();
        IXpbBuilder* spb = util->getXpbBuilder(&FSt.w, IXpbBuilder::SPB_ATTACH, nullptr, 0);
        try {
            spb->insertString(&FSt.w, isc_spb_user_name, Bytes(user).constData());
            spb->insertString(&FSt.w, isc_spb_password, Bytes(password).constData());
            if (service.contains(QLatin1Char(':'))) {
                // Over the network only encrypted, as every connection of the program.
                spb->insertString(&FSt.w, isc_spb_config, "WireCrypt = Required");
            }
            Ref<IProvider> prov(Master()->getDispatcher());
            FSvc = prov->attachServiceManager(&FSt.w, Bytes(service).constData(),
                                              spb->getBufferLength(&FSt.w), spb->getBuffer(&FSt.w));
        } catch (...) {
            spb->dispose();
            throw;
        }
        spb->dispose();
    }
    ~ServiceRun() {
        if (FSvc) {
            try {
                FSvc->detach(&FSt.w);
            } catch (const FbException&) {
                FSvc->release();
            }
        }
    }
    ServiceRun(const ServiceRun&) = delete;
    ServiceRun& operator=(const ServiceRun&) = delete;

    // Starts the action of `spb` (an SPB_START buffer) and collects its output lines until it
    // ends. The action's own failure arrives as an FbException.
    QStringList Run(IXpbBuilder* spb, const std::function<bool()>& pump) {
        FSvc->start(&FSt.w, spb->getBufferLength(&FSt.w), spb->getBuffer(&FSt.w));
        QStringList lines;
        const unsigned char send[] = {isc_info_svc_timeout, 4, 0, 1, 0, 0, 0}; // one second
        const unsigned char receive[] = {isc_info_svc_line};
        std::vector<unsigned char> buf(16384);
        for (;;) {
            if (pump) {
                const ClientCall::Pause pause;
                if (!pump()) {
                    throw DbError(QStringLiteral("validation cancelled"), 0, 0);
                }
            }
            FSvc->query(&FSt.w, sizeof send, send, sizeof receive, receive, static_cast<unsigned>(buf.size()),
                        buf.data());
            bool waiting = false;
            bool ended = false;
            for (const unsigned char* p = buf.data(); p < buf.data() + buf.size() && *p != isc_info_end;) {
                const unsigned char tag = *p++;
                if (tag == isc_info_svc_timeout || tag == isc_info_data_not_ready) {
                    waiting = true;
                    continue;
                }
                if (tag == isc_info_truncated) {
                    break;
                }
                if (tag != isc_info_svc_line || p + 2 > buf.data() + buf.size()) {
                    throw DbError(QStringLiteral("unexpected answer of the service manager"), 0, 0);
                }
                const unsigned len = p[0] | (p[1] << 8);
                p += 2;
                if (p + len > buf.data() + buf.size()) {
                    throw DbError(QStringLiteral("unexpected answer of the service manager"), 0, 0);
                }
                if (len == 0) {
                    ended = true;
                } else {
                    lines << QString::fromUtf8(reinterpret_cast<const char*>(p), len);
                }
                p += len;
            }
            if (ended && !waiting) {
                return lines;
            }
        }
    }

    ThrowStatusWrapper& Wrapper() { return FSt.w; }

private:
    Status FSt;
    IService* FSvc = nullptr;
};

// Reads the report of the check beside other connections: its "Error:" and "Warning:" lines,
// a table's error count where no such line explains it, and the tables it could not lock
// (their count of one error is that lock, not a fault of the file).
void ReadOnlineReport(const QStringList& lines, Validation& result) {
    static const QRegularExpression kTime(QStringLiteral("^\\d\\d:\\d\\d:\\d\\d\\.\\d\\d\\s+"));
    static const QRegularExpression kRelation(QStringLiteral("^Relation \\d+ \\((.+)\\)$"));
    static const QRegularExpression kCount(
        QStringLiteral("^Relation \\d+ \\((.+)\\) : (\\d+) ERRORS found$"));
    QString table;
    bool locked = false;
    int explained = 0;
    for (const QString& raw : lines) {
        QString l = raw.trimmed();
        l.remove(kTime);
        l = l.trimmed();
        if (const auto m = kRelation.match(l); m.hasMatch()) {
            table = m.captured(1);
            locked = false;
            explained = 0;
        } else if (l.startsWith(QLatin1String("Acquire relation lock failed"))) {
            locked = true;
        } else if (l.startsWith(QLatin1String("Error:"))) {
            result.findings << (table.isEmpty() ? l : QStringLiteral("%1: %2").arg(table, l));
            ++explained;
        } else if (l.startsWith(QLatin1String("Warning:"))) {
            result.notes << (table.isEmpty() ? l : QStringLiteral("%1: %2").arg(table, l));
            ++explained; // the count of a table's errors includes its warnings
        } else if (const auto c = kCount.match(l); c.hasMatch()) {
            const int errors = c.captured(2).toInt() - (locked ? 1 : 0);
            if (locked) {
                result.unchecked << c.captured(1);
            }
            if (errors > explained) {
                result.findings << l;
            }
        }
    }
}

} // namespace

Validation Validate(const QString& service, const QString& database, const QString& user,
                    const QString& password, const std::function<bool()>& pump) {
    Validation result;
    try {
        IUtil* util = Master()->getUtilInterface();
        // One action on an attachment of its own (a refused action leaves its attachment busy).
        auto runAction = [&](unsigned char action, unsigned char option, int value) {
            Status st;
            IXpbBuilder* spb = util->getXpbBuilder(&st.w, IXpbBuilder::SPB_START, nullptr, 0);
            try {
                spb->insertTag(&st.w, action);
                spb->insertString(&st.w, isc_spb_dbname, Bytes(database).constData());
                spb->insertInt(&st.w, option, value);
                ServiceRun run(service, user, password);
                QStringList lines = run.Run(spb, pump);
                spb->dispose();
                return lines;
            } catch (...) {
                spb->dispose();
                throw;
            }
        };
        // The full check, reading only (the repair tool's "-validate -full -no_update"). The
        // engine's service hands its summary over while it is still writing it: now and then,
        // more often on a busy machine, the answer carries the heading without the counts that
        // follow it. The check changes nothing, so it is run again, up to six times in all, before
        // a summary without counts is taken as a finding.
        for (int attempt = 1;; ++attempt) {
            try {
                runAction(isc_action_svc_repair, isc_spb_options,
                          isc_spb_rpr_validate_db | isc_spb_rpr_full | isc_spb_rpr_check_db);
                return result;
            } catch (const FbException& e) {
                const ISC_STATUS* v = e.getStatus()->getErrors();
                if (IsValidationSummary(v)) {
                    Validation summary;
                    if (ReadSummary(v, summary) || attempt == 6) {
                        return summary;
                    }
                    QThread::msleep(200);
                    continue;
                }
                bool refused = false;
                for (const ISC_STATUS* p = v; *p != isc_arg_end; p += (*p == isc_arg_cstring ? 3 : 2)) {
                    refused = refused || (p[0] == isc_arg_gds && p[1] == isc_cant_validate);
                }
                if (!refused) {
                    throw;
                }
                break;
            }
        }
        // Other connections are open: the check that runs beside them, every table and index;
        // it waits two seconds at most for a table that a connection is changing.
        result.online = true;
        ReadOnlineReport(runAction(isc_action_svc_validate, isc_spb_val_lock_timeout, 2), result);
    } catch (const FbException& e) {
        Rethrow(e);
    }
    return result;
}

namespace {

// How deep the calling thread is in client calls, and which of the held signals it had
// blocked already before the outermost one.
thread_local int tClientDepth = 0;
thread_local sigset_t tHeldBefore;

sigset_t HeldSignals() {
    sigset_t set;
    sigemptyset(&set);
    for (int s : {SIGINT, SIGTERM, SIGHUP}) {
        sigaddset(&set, s);
    }
    return set;
}

// The held signals that the thread had not blocked before its outermost client call.
sigset_t ReleasedSignals() {
    sigset_t set;
    sigemptyset(&set);
    for (int s : {SIGINT, SIGTERM, SIGHUP}) {
        if (sigismember(&tHeldBefore, s) != 1) {
            sigaddset(&set, s);
        }
    }
    return set;
}

} // namespace

ClientCall::ClientCall() {
    if (tClientDepth++ == 0) {
        const sigset_t held = HeldSignals();
        ::pthread_sigmask(SIG_BLOCK, &held, &tHeldBefore);
    }
    errno = 0;
}

ClientCall::~ClientCall() {
    if (--tClientDepth == 0) {
        const int saved = errno;
        const sigset_t released = ReleasedSignals();
        ::pthread_sigmask(SIG_UNBLOCK, &released, nullptr);
        errno = saved;
    }
}

// A client call made during the pause (the event loop may run one) holds the signals again
// for its own time, as an outermost one.
ClientCall::Pause::Pause() : FDepth(tClientDepth) {
    if (FDepth > 0) {
        const sigset_t released = ReleasedSignals();
        ::pthread_sigmask(SIG_UNBLOCK, &released, nullptr);
        tClientDepth = 0;
    }
}

ClientCall::Pause::~Pause() {
    if (FDepth > 0) {
        tClientDepth = FDepth;
        const sigset_t held = HeldSignals();
        ::pthread_sigmask(SIG_BLOCK, &held, nullptr);
        errno = 0;
    }
}

void SetLockFolder(const QString& folder) {
    QDir().mkpath(folder);
    qputenv("FIREBIRD_LOCK", folder.toLocal8Bit());
}

namespace {
int ThreadCount() {
    return int(QDir(QStringLiteral("/proc/self/task")).entryList(QDir::Dirs | QDir::NoDotAndDotDot).size());
}
} // namespace

void EndClient() {
    {
        const ClientCall call;
        fb_shutdown(0, fb_shutrsn_exit_called);
    }
    // The client's threads end on their own after the shutdown: wait until the number of
    // threads has stayed the same for a tenth of a second (at most five seconds: on a busy
    // machine an ending thread may wait long for its turn).
    int last = ThreadCount();
    for (int stable = 0, i = 0; stable < 10 && i < 500; ++i) {
        QThread::msleep(10);
        const int now = ThreadCount();
        stable = now == last ? stable + 1 : 0;
        last = now;
    }
}

} // namespace zud::db
