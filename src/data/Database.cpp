#include "Database.h"

#include <firebird/Interface.h>
#include <ibase.h>

#include <QDir>

#include <cstring>

using namespace Firebird;

namespace zud::db {

namespace {

constexpr unsigned kDialect = 1;
constexpr unsigned kUtf8 = 4; // character set id

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
    throw DbError(QString::fromUtf8(buf).trimmed(), sqlcode, gds);
}

struct Status {
    ThrowStatusWrapper w{Master()->getStatus()};
    ~Status() { w.dispose(); }
};

QByteArray Bytes(const QString& s) {
    return s.toUtf8();
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

std::vector<uint8_t> Tpb() {
    return {isc_tpb_version3, isc_tpb_write, isc_tpb_read_committed, isc_tpb_rec_version, isc_tpb_nowait};
}

} // namespace

struct Connection::Impl {
    IAttachment* att = nullptr;
    ITransaction* tra = nullptr;

    ~Impl() {
        Status st;
        try {
            if (tra) {
                tra->commit(&st.w);
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
        const auto tpb = Tpb();
        tra = att->startTransaction(st, static_cast<unsigned>(tpb.size()), tpb.data());
    }

    QByteArray ReadBlob(ThrowStatusWrapper* st, ISC_QUAD id) {
        IBlob* blob = att->openBlob(st, tra, &id, 0, nullptr);
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
        return out;
    }

    ISC_QUAD WriteBlob(ThrowStatusWrapper* st, const QByteArray& data) {
        ISC_QUAD id{};
        IBlob* blob = att->createBlob(st, tra, &id, 0, nullptr);
        constexpr qsizetype kSeg = 32768;
        for (qsizetype at = 0; at < data.size(); at += kSeg) {
            const qsizetype n = std::min(kSeg, data.size() - at);
            blob->putSegment(st, static_cast<unsigned>(n), data.constData() + at);
        }
        blob->close(st);
        return id;
    }

    std::vector<Row> Run(const QString& sql, const QVariantList& params, bool wantRows);
};

std::vector<Row> Connection::Impl::Run(const QString& sql, const QVariantList& params, bool wantRows) {
    Status st;
    IStatement* stmt = nullptr;
    IMessageMetadata* inMeta = nullptr;
    IMessageMetadata* outMeta = nullptr;
    IResultSet* rs = nullptr;
    std::vector<Row> rows;
    auto cleanup = [&]() {
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
    };
    try {
        const QByteArray text = Bytes(sql);
        stmt = att->prepare(&st.w, tra, 0, text.constData(), kDialect, IStatement::PREPARE_PREFETCH_METADATA);

        // Input message: every parameter in a type we can fill, the server converts.
        IMessageMetadata* declared = stmt->getInputMetadata(&st.w);
        const unsigned nIn = declared->getCount(&st.w);
        if (nIn != static_cast<unsigned>(params.size())) {
            declared->release();
            throw DbError(QStringLiteral("Anzahl der Parameter passt nicht: %1 erwartet, %2 gegeben")
                              .arg(nIn)
                              .arg(params.size()),
                          0, 0);
        }
        std::vector<QByteArray> texts(nIn);
        IMetadataBuilder* b = declared->getBuilder(&st.w);
        for (unsigned i = 0; i < nIn; ++i) {
            const unsigned type = declared->getType(&st.w, i) & ~1u;
            const QVariant& v = params[static_cast<qsizetype>(i)];
            // Setting a type keeps the declared length: every fixed type gets its own.
            if (type == SQL_BLOB) {
                SetFixed(&st.w, b, i, SQL_BLOB, sizeof(ISC_QUAD));
            } else if (v.typeId() == QMetaType::QDateTime || v.typeId() == QMetaType::QDate) {
                SetFixed(&st.w, b, i, SQL_TIMESTAMP, sizeof(ISC_TIMESTAMP));
            } else if (v.typeId() == QMetaType::Double) {
                SetFixed(&st.w, b, i, SQL_DOUBLE, sizeof(double));
            } else if (v.typeId() == QMetaType::Int || v.typeId() == QMetaType::LongLong ||
                       v.typeId() == QMetaType::UInt || v.typeId() == QMetaType::ULongLong) {
                SetFixed(&st.w, b, i, SQL_INT64, sizeof(qint64));
            } else {
                texts[i] = v.toString().toUtf8();
                b->setType(&st.w, i, SQL_VARYING + 1);
                b->setLength(&st.w, i, static_cast<unsigned>(std::max<qsizetype>(texts[i].size(), 1)));
                b->setCharSet(&st.w, i, kUtf8);
                b->setScale(&st.w, i, 0);
            }
        }
        inMeta = b->getMetadata(&st.w);
        b->release();
        declared->release();
        std::vector<unsigned char> inBuf(inMeta->getMessageLength(&st.w), 0);
        for (unsigned i = 0; i < nIn; ++i) {
            const QVariant& v = params[static_cast<qsizetype>(i)];
            unsigned char* data = inBuf.data() + inMeta->getOffset(&st.w, i);
            auto* isNull = reinterpret_cast<short*>(inBuf.data() + inMeta->getNullOffset(&st.w, i));
            *isNull = v.isNull() ? -1 : 0;
            if (v.isNull()) {
                continue;
            }
            switch (inMeta->getType(&st.w, i) & ~1u) {
            case SQL_BLOB: {
                const ISC_QUAD id = WriteBlob(&st.w, v.toByteArray());
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
                const auto len = static_cast<unsigned short>(texts[i].size());
                std::memcpy(data, &len, sizeof len);
                std::memcpy(data + sizeof len, texts[i].constData(), len);
                break;
            }
            }
        }

        IMessageMetadata* produced = stmt->getOutputMetadata(&st.w);
        const unsigned nOut = produced->getCount(&st.w);
        if (!wantRows || nOut == 0) {
            produced->release();
            stmt->execute(&st.w, tra, inMeta, inBuf.data(), nullptr, nullptr);
            cleanup();
            return rows;
        }
        auto names = std::make_shared<QStringList>();
        IMetadataBuilder* ob = produced->getBuilder(&st.w);
        for (unsigned i = 0; i < nOut; ++i) {
            names->append(QString::fromUtf8(produced->getAlias(&st.w, i)).toUpper());
            const unsigned type = produced->getType(&st.w, i) & ~1u;
            switch (type) {
            case SQL_SHORT:
            case SQL_LONG:
            case SQL_INT64:
                if (produced->getScale(&st.w, i) == 0) {
                    SetFixed(&st.w, ob, i, SQL_INT64, sizeof(qint64));
                } else {
                    SetFixed(&st.w, ob, i, SQL_DOUBLE, sizeof(double));
                }
                break;
            case SQL_FLOAT:
            case SQL_DOUBLE:
            case SQL_D_FLOAT:
                SetFixed(&st.w, ob, i, SQL_DOUBLE, sizeof(double));
                break;
            case SQL_TIMESTAMP:
            case SQL_TYPE_DATE:
                SetFixed(&st.w, ob, i, SQL_TIMESTAMP, sizeof(ISC_TIMESTAMP));
                break;
            case SQL_TEXT:
            case SQL_VARYING:
                ob->setType(&st.w, i, SQL_VARYING + 1);
                ob->setCharSet(&st.w, i, kUtf8);
                break;
            case SQL_BLOB:
                SetFixed(&st.w, ob, i, SQL_BLOB, sizeof(ISC_QUAD));
                break;
            default:
                ob->setType(&st.w, i, SQL_VARYING + 1);
                ob->setCharSet(&st.w, i, kUtf8);
                ob->setLength(&st.w, i, 64);
                break;
            }
        }
        outMeta = ob->getMetadata(&st.w);
        ob->release();
        produced->release();
        std::vector<unsigned char> outBuf(outMeta->getMessageLength(&st.w), 0);
        rs = stmt->openCursor(&st.w, tra, inMeta, inBuf.data(), outMeta, 0);
        while (rs->fetchNext(&st.w, outBuf.data()) == IStatus::RESULT_OK) {
            QVariantList values;
            values.reserve(static_cast<qsizetype>(nOut));
            for (unsigned i = 0; i < nOut; ++i) {
                const unsigned char* data = outBuf.data() + outMeta->getOffset(&st.w, i);
                short isNull;
                std::memcpy(&isNull, outBuf.data() + outMeta->getNullOffset(&st.w, i), sizeof isNull);
                if (isNull) {
                    values.append(QVariant());
                    continue;
                }
                switch (outMeta->getType(&st.w, i) & ~1u) {
                case SQL_INT64: {
                    qint64 n;
                    std::memcpy(&n, data, sizeof n);
                    values.append(n);
                    break;
                }
                case SQL_DOUBLE: {
                    double d;
                    std::memcpy(&d, data, sizeof d);
                    values.append(d);
                    break;
                }
                case SQL_TIMESTAMP: {
                    ISC_TIMESTAMP ts;
                    std::memcpy(&ts, data, sizeof ts);
                    values.append(FromIsc(ts));
                    break;
                }
                case SQL_BLOB: {
                    ISC_QUAD id;
                    std::memcpy(&id, data, sizeof id);
                    values.append(ReadBlob(&st.w, id));
                    break;
                }
                default: {
                    unsigned short len;
                    std::memcpy(&len, data, sizeof len);
                    values.append(QString::fromUtf8(reinterpret_cast<const char*>(data + sizeof len), len));
                    break;
                }
                }
            }
            rows.emplace_back(names, std::move(values));
        }
        rs->close(&st.w);
        rs = nullptr;
    } catch (const FbException& e) {
        cleanup();
        Rethrow(e);
    } catch (...) {
        cleanup();
        throw;
    }
    cleanup();
    return rows;
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

Connection::Connection(std::unique_ptr<Impl> impl) : FImpl(std::move(impl)) {}

Connection::~Connection() = default;

namespace {

std::unique_ptr<Connection::Impl> Open(const ConnectParams& p, bool create) {
    Status st;
    auto impl = std::make_unique<Connection::Impl>();
    IXpbBuilder* dpb = nullptr;
    try {
        IUtil* util = Master()->getUtilInterface();
        dpb = util->getXpbBuilder(&st.w, IXpbBuilder::DPB, nullptr, 0);
        dpb->insertString(&st.w, isc_dpb_user_name, Bytes(p.user).constData());
        dpb->insertString(&st.w, isc_dpb_password, Bytes(p.password).constData());
        if (!p.role.isEmpty()) {
            dpb->insertString(&st.w, isc_dpb_sql_role_name, Bytes(p.role).constData());
        }
        dpb->insertString(&st.w, isc_dpb_lc_ctype, "UTF8");
        if (create) {
            dpb->insertInt(&st.w, isc_dpb_sql_dialect, 1);
            dpb->insertString(&st.w, isc_dpb_set_db_charset, "UTF8");
            dpb->insertInt(&st.w, isc_dpb_page_size, 8192);
        }
        IProvider* prov = Master()->getDispatcher();
        const QByteArray name = Bytes(p.database);
        if (create) {
            impl->att = prov->createDatabase(&st.w, name.constData(), dpb->getBufferLength(&st.w),
                                             dpb->getBuffer(&st.w));
        } else {
            impl->att = prov->attachDatabase(&st.w, name.constData(), dpb->getBufferLength(&st.w),
                                             dpb->getBuffer(&st.w));
        }
        prov->release();
        dpb->dispose();
        dpb = nullptr;
        impl->Start(&st.w);
    } catch (const FbException& e) {
        if (dpb) {
            dpb->dispose();
        }
        Rethrow(e);
    }
    return impl;
}

} // namespace

std::unique_ptr<Connection> Connection::Attach(const ConnectParams& p) {
    return std::unique_ptr<Connection>(new Connection(Open(p, false)));
}

std::unique_ptr<Connection> Connection::Create(const ConnectParams& p) {
    return std::unique_ptr<Connection>(new Connection(Open(p, true)));
}

std::vector<Row> Connection::Query(const QString& sql, const QVariantList& params) {
    return FImpl->Run(sql, params, true);
}

void Connection::Exec(const QString& sql, const QVariantList& params) {
    FImpl->Run(sql, params, false);
}

qint64 Connection::NextId(const QString& generator) {
    // The generator's name is ours, never a user's text.
    const auto rows = Query(QStringLiteral("SELECT GEN_ID(%1, 1) FROM RDB$DATABASE").arg(generator));
    return rows.empty() ? 0 : rows.front().At(0).toLongLong();
}

void Connection::CommitRetaining() {
    Status st;
    try {
        FImpl->tra->commitRetaining(&st.w);
    } catch (const FbException& e) {
        Rethrow(e);
    }
}

void Connection::Commit() {
    Status st;
    try {
        FImpl->tra->commit(&st.w);
        FImpl->tra = nullptr;
        FImpl->Start(&st.w);
    } catch (const FbException& e) {
        Rethrow(e);
    }
}

void Connection::Rollback() {
    Status st;
    try {
        FImpl->tra->rollback(&st.w);
        FImpl->tra = nullptr;
        FImpl->Start(&st.w);
    } catch (const FbException& e) {
        Rethrow(e);
    }
}

void Connection::Close() {
    FImpl.reset(new Impl);
}

void SetLockFolder(const QString& folder) {
    QDir().mkpath(folder);
    qputenv("FIREBIRD_LOCK", folder.toLocal8Bit());
}

} // namespace zud::db
