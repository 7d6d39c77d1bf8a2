// libgcab before Qt: glib's structures use words that Qt defines as macros.
#include <libgcab.h>

#include "Cab.h"

#include "CheckedFile.h"
#include "PatientDatabase.h"
#include "WorkArea.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zud::exchange {

namespace {

// The largest folder a cabinet can describe (its offsets are 32-bit, the format's limit).
constexpr qint64 kMaxCabFile = 0x7FFF8000LL;

template <typename T> class GRef {
public:
    explicit GRef(T* p = nullptr) : FP(p) {}
    ~GRef() {
        if (FP) {
            g_object_unref(FP);
        }
    }
    GRef(const GRef&) = delete;
    GRef& operator=(const GRef&) = delete;
    T* get() const { return FP; }
    explicit operator bool() const { return FP != nullptr; }

private:
    T* FP;
};

class GErr {
public:
    ~GErr() {
        if (FE) {
            g_error_free(FE);
        }
    }
    GError** out() { return &FE; }
    QString text() const { return FE ? QString::fromUtf8(FE->message) : QString(); }
    bool cancelled() const { return FE && g_error_matches(FE, G_IO_ERROR, G_IO_ERROR_CANCELLED); }
    bool noSpace() const { return FE && g_error_matches(FE, G_IO_ERROR, G_IO_ERROR_NO_SPACE); }

private:
    GError* FE = nullptr;
};

[[noreturn]] void Fail(const QString& what, const QString& detail) {
    throw DataError(detail.isEmpty() ? what : QStringLiteral("%1\n(%2)").arg(what, detail));
}

[[noreturn]] void Cancelled() {
    throw DataError(QCoreApplication::translate("Austausch", "Der Vorgang wurde abgebrochen."));
}

struct ProgressState {
    const Feedback* fb;
    GCancellable* cancel;
};

void OnProgress(goffset current, goffset total, gpointer data) {
    auto* s = static_cast<ProgressState*>(data);
    if (!s->fb->Progress(current, total)) {
        g_cancellable_cancel(s->cancel);
    }
}

// Loads the archive's header and directory; throws DataError when that fails.
GCabCabinet* Load(const QString& path, GErr& err) {
    GRef<GFile> file(g_file_new_for_path(QFile::encodeName(path).constData()));
    GRef<GFileInputStream> in(g_file_read(file.get(), nullptr, err.out()));
    if (!in) {
        Fail(QCoreApplication::translate("Austausch", "Die Archivdatei kann nicht gelesen werden: %1")
                 .arg(path),
             err.text());
    }
    GCabCabinet* cab = gcab_cabinet_new();
    if (!gcab_cabinet_load(cab, G_INPUT_STREAM(in.get()), nullptr, err.out())) {
        g_object_unref(cab);
        Fail(QCoreApplication::translate("Austausch", "Die Datei ist kein gültiges Archiv: %1").arg(path),
             err.text());
    }
    return cab;
}

QList<GCabFile*> Files(GCabCabinet* cab) {
    QList<GCabFile*> out;
    GPtrArray* folders = gcab_cabinet_get_folders(cab);
    for (guint i = 0; folders && i < folders->len; ++i) {
        auto* folder = static_cast<GCabFolder*>(g_ptr_array_index(folders, i));
        GSList* files = gcab_folder_get_files(folder);
        for (GSList* f = files; f; f = f->next) {
            out << static_cast<GCabFile*>(f->data);
        }
        g_slist_free(files);
    }
    return out;
}

} // namespace

void CheckCancel(const Feedback& fb, qint64 done, qint64 total) {
    if (!fb.Progress(done, total)) {
        Cancelled();
    }
}

bool IsCab(const QString& path) {
    try {
        GErr err;
        GRef<GCabCabinet> cab(Load(path, err));
        return true;
    } catch (const DataError&) {
        return false;
    }
}

QStringList CabMembers(const QString& path) {
    GErr err;
    GRef<GCabCabinet> cab(Load(path, err));
    QStringList names;
    for (GCabFile* f : Files(cab.get())) {
        names << QString::fromUtf8(gcab_file_get_name(f));
    }
    return names;
}

namespace {

// The archive being written: where, and how its failures read.
struct CabTarget {
    QString archive;
    QString dir;
    QString cannot;

    explicit CabTarget(const QString& path)
        : archive(path), dir(QFileInfo(path).absolutePath()),
          cannot(QCoreApplication::translate("Austausch", "Das Archiv kann nicht geschrieben werden: %1")
                     .arg(path)) {}

    [[noreturn]] void FailFile(int e) const {
        if (IsNoSpace(e)) {
            Fail(NoSpaceText(dir), QString());
        }
        Fail(cannot, FileErrorReason(e));
    }
    [[noreturn]] void FailWrite(const GErr& err) const {
        if (err.noSpace()) {
            Fail(NoSpaceText(dir), QString());
        }
        Fail(cannot, err.text());
    }
};

void CheckSource(const QFileInfo& src, const QString& source) {
    if (!src.isFile()) {
        Fail(QCoreApplication::translate("Austausch", "Die zu packende Datei fehlt: %1").arg(source),
             QString());
    }
    if (src.size() > kMaxCabFile) {
        Fail(QCoreApplication::translate("Austausch", "Die Datei ist für ein Archiv zu groß: %1").arg(source),
             QString());
    }
}

// A new empty file beside the destination under a temporary name; returns its name.
QByteArray CreateTemporary(const CabTarget& t, RunFolder* run) {
    QByteArray tmpl;
    int fd = -1;
    for (int attempt = 0; fd < 0 && attempt < 100; ++attempt) {
        tmpl = QFile::encodeName(QStringLiteral("%1/.%2.%3")
                                     .arg(t.dir, QFileInfo(t.archive).fileName())
                                     .arg(QRandomGenerator::global()->generate64(), 0, 36));
        // Noted before it exists: a kill at any moment leaves it named in the run's journal.
        if (run) {
            run->Track(QFile::decodeName(tmpl));
        }
        fd = ::open(tmpl.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
        if (fd < 0 && errno != EEXIST) {
            t.FailFile(errno);
        }
    }
    if (fd < 0) {
        t.FailFile(EEXIST);
    }
    ::close(fd);
    return tmpl;
}

// Removes the temporary file unless it was put in place, and drops it from the run's journal.
struct RemoveTemporary {
    QString path;
    RunFolder* run;
    bool keep = false;
    ~RemoveTemporary() {
        if (!keep) {
            QFile::remove(path);
        }
        if (run) {
            try {
                run->Forget(path);
            } catch (const DataError&) {
                // The run's cleanup removes a path that is gone: nothing lost.
            }
        }
    }
};

// A cabinet of one folder with one member; the library needs all of them while it writes.
class OneMemberCab {
public:
    OneMemberCab(const QString& archive, const QString& member, const QString& source)
        : FCab(gcab_cabinet_new()), FFolder(gcab_folder_new(GCAB_COMPRESSION_MSZIP)),
          FIn(g_file_new_for_path(QFile::encodeName(source).constData())),
          FFile(gcab_file_new_with_file(member.toUtf8().constData(), FIn.get())) {
        GErr err;
        if (!gcab_folder_add_file(FFolder.get(), FFile.get(), FALSE, nullptr, err.out()) ||
            !gcab_cabinet_add_folder(FCab.get(), FFolder.get(), err.out())) {
            Fail(QCoreApplication::translate("Austausch", "Das Archiv kann nicht angelegt werden: %1")
                     .arg(archive),
                 err.text());
        }
    }
    GCabCabinet* get() const { return FCab.get(); }

private:
    GRef<GCabCabinet> FCab;
    GRef<GCabFolder> FFolder;
    GRef<GFile> FIn;
    GRef<GCabFile> FFile;
};

// Written into the noted file itself: a replacing stream would write a second temporary file
// of its own beside it, which no journal names.
class InPlaceOutput {
public:
    InPlaceOutput(const QByteArray& tmpl, const QString& archive)
        : FFile(g_file_new_for_path(tmpl.constData())),
          FIo(g_file_open_readwrite(FFile.get(), nullptr, FErr.out())) {
        FOut = FIo ? g_io_stream_get_output_stream(G_IO_STREAM(FIo.get())) : nullptr;
        if (!FOut) {
            Fail(QCoreApplication::translate("Austausch", "Das Archiv kann nicht geschrieben werden: %1")
                     .arg(archive),
                 FErr.text());
        }
    }
    GOutputStream* get() const { return FOut; }

private:
    GErr FErr;
    GRef<GFile> FFile;
    GRef<GFileIOStream> FIo;
    GOutputStream* FOut = nullptr;
};

// The library reports no progress while it packs: the step reports its start and its end,
// and a cancel at either point leaves no archive.
void WriteAndClose(GCabCabinet* cab, GOutputStream* out, qint64 total, const Feedback& fb,
                   const CabTarget& t) {
    GErr err;
    if (!fb.Progress(0, total)) {
        Cancelled();
    }
    if (!gcab_cabinet_write_simple(cab, out, nullptr, nullptr, nullptr, err.out())) {
        t.FailWrite(err);
    }
    if (!fb.Progress(total, total)) {
        Cancelled();
    }
    GErr closeErr;
    if (!g_output_stream_close(out, nullptr, closeErr.out())) {
        t.FailWrite(closeErr);
    }
}

// On the disk before it replaces anything; then readable as the umask allows, under its name.
void SyncAndPutInPlace(const QByteArray& tmpl, const CabTarget& t) {
    const int sync = ::open(tmpl.constData(), O_RDONLY);
    if (sync < 0 || ::fsync(sync) != 0) {
        const int e = errno;
        if (sync >= 0) {
            ::close(sync);
        }
        t.FailFile(e);
    }
    ::close(sync);
    ::chmod(
        tmpl.constData(), 0644 & ~[] {
            const mode_t m = ::umask(0);
            ::umask(m);
            return m;
        }());
    if (::rename(tmpl.constData(), QFile::encodeName(t.archive).constData()) != 0) {
        t.FailFile(errno);
    }
}

} // namespace

void WriteCab(const QString& archive, const QString& member, const QString& source, const Feedback& fb,
              RunFolder* run) {
    const QFileInfo src(source);
    CheckSource(src, source);
    QString why;
    if (!CheckDestination(archive, &why)) {
        throw DataError(why);
    }
    // Written beside the destination under a temporary name, put in place only when complete.
    const CabTarget target(archive);
    const QByteArray tmpl = CreateTemporary(target, run);
    RemoveTemporary guard{QFile::decodeName(tmpl), run};

    const OneMemberCab cab(archive, member, source);
    const InPlaceOutput out(tmpl, archive);
    WriteAndClose(cab.get(), out.get(), src.size(), fb, target);
    SyncAndPutInPlace(tmpl, target);
    guard.keep = true;
}

QString ExtractCabMember(const QString& archive, const QString& member, const QString& dest,
                         const Feedback& fb) {
    GErr err;
    GRef<GCabCabinet> cab(Load(archive, err));
    GCabFile* wanted = nullptr;
    for (GCabFile* f : Files(cab.get())) {
        // Names in archives of Windows programs may carry folders ("a\b"); the file counts by
        // its own name.
        const QString name = QString::fromUtf8(gcab_file_get_name(f)).section(QLatin1Char('\\'), -1);
        if (name.compare(member, Qt::CaseInsensitive) == 0) {
            wanted = f;
            break;
        }
    }
    if (!wanted) {
        Fail(QCoreApplication::translate("Austausch", "Das Archiv enthält die Datei „%1“ nicht: %2")
                 .arg(member, archive),
             QString());
    }
    const qint64 expected = gcab_file_get_size(wanted);
    const QString target = QDir(dest).filePath(member);
    QFile::remove(target);
    struct Ctx {
        GCabFile* wanted;
        QByteArray name;
    } ctx{wanted, member.toUtf8()};
    // Only the wanted file, under our own name: a name in the archive never picks the place.
    struct Both {
        Ctx* ctx;
        ProgressState progress;
    };
    GRef<GCancellable> cancel(g_cancellable_new());
    Both both{&ctx, {&fb, cancel.get()}};
    GRef<GFile> dir(g_file_new_for_path(QFile::encodeName(dest).constData()));
    const gboolean ok = gcab_cabinet_extract(
        cab.get(), dir.get(),
        [](GCabFile* f, gpointer data) -> gboolean {
            auto* b = static_cast<Both*>(data);
            const gboolean take = f == b->ctx->wanted;
            if (take) {
                gcab_file_set_extract_name(f, b->ctx->name.constData());
            }
            return take;
        },
        [](goffset current, goffset total, gpointer data) {
            OnProgress(current, total, &static_cast<Both*>(data)->progress);
        },
        &both, cancel.get(), err.out());
    if (!ok) {
        QFile::remove(target);
        if (err.cancelled() || g_cancellable_is_cancelled(cancel.get())) {
            Cancelled();
        }
        if (err.noSpace()) {
            Fail(NoSpaceText(dest), QString());
        }
        Fail(QCoreApplication::translate("Austausch", "Das Archiv ist beschädigt oder unvollständig: %1")
                 .arg(archive),
             err.text());
    }
    const QFileInfo got(target);
    if (!got.isFile() || got.size() != expected) {
        QFile::remove(target);
        Fail(QCoreApplication::translate("Austausch", "Das Archiv ist beschädigt oder unvollständig: %1")
                 .arg(archive),
             QCoreApplication::translate("Austausch", "%1 von %2 Bytes entpackt")
                 .arg(got.exists() ? got.size() : 0)
                 .arg(expected));
    }
    return target;
}

} // namespace zud::exchange
