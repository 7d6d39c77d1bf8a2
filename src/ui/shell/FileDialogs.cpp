#include "FileDialogs.h"

#include "Statistics.h"

#include <QApplication>
#include <QEvent>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QIdentityProxyModel>
#include <QLocale>
#include <QScreen>
#include <QTimer>
#include <QTreeView>

namespace zud::ui {

namespace {

// Qt's file model writes the modification dates in the machine's locale (on a machine without
// LANG "10 Dec 2026" beside German captions): this proxy writes them as the program's lists do.
class DatesInProgramLanguage : public QIdentityProxyModel {
public:
    using QIdentityProxyModel::QIdentityProxyModel;
    QVariant data(const QModelIndex& index, int role) const override {
        if (role == Qt::DisplayRole && index.column() == 3) {
            if (const auto* files = qobject_cast<const QFileSystemModel*>(sourceModel())) {
                const QDateTime t = files->lastModified(mapToSource(index));
                if (t.isValid())
                    return FileDialogDate(t);
            }
        }
        return QIdentityProxyModel::data(index, role);
    }
};

} // namespace

QString FileDialogDate(const QDateTime& t) {
    const QLocale l;
    return l.toString(t.date(), DatumsFormat()) + QLatin1Char(' ') +
           l.toString(t.time(), QLocale::ShortFormat);
}

void UseProgramLanguageForDates(QFileDialog* dialog) {
    if (!dialog->proxyModel() && dialog->findChild<QFileSystemModel*>())
        dialog->setProxyModel(new DatesInProgramLanguage(dialog));
}

void FitFileDialog(QFileDialog* dialog) {
    auto* view = dialog->findChild<QTreeView*>(QStringLiteral("treeView"));
    if (!view || !view->model())
        return;
    QHeaderView* h = view->header();
    const QFontMetrics fm = h->fontMetrics();
    int wanted = 0;
    for (int c = 0; c < h->count(); ++c) {
        if (h->isSectionHidden(c))
            continue;
        const QString caption = view->model()->headerData(c, Qt::Horizontal).toString();
        // The caption with the sort arrow's room, and the widest entry loaded so far.
        const int need = std::max(fm.horizontalAdvance(caption) + 2 * fm.averageCharWidth() + 16,
                                  static_cast<QAbstractItemView*>(view)->sizeHintForColumn(c));
        if (c > 0 && h->sectionSize(c) < need)
            h->resizeSection(c, need);
        wanted += c == 0 ? std::max(need, 28 * fm.averageCharWidth()) : std::max(h->sectionSize(c), need);
    }
    // The name column takes what is left; the dialog grows to hold the columns, within the screen.
    h->setStretchLastSection(false);
    h->setSectionResizeMode(0, QHeaderView::Stretch);
    const int extra = dialog->width() - view->viewport()->width();
    int width = std::max(dialog->width(), wanted + extra + 8);
    if (const QScreen* s = dialog->screen())
        width = std::min(width, s->availableGeometry().width() * 9 / 10);
    if (width > dialog->width())
        dialog->resize(width, std::max(dialog->height(), 480));
}

QString AskSaveFileName(QWidget* parent, const QString& caption, const QString& filter,
                        const QString& suffix) {
    QFileDialog dialog(parent, caption, QString(), filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(suffix);
    // Qt's own dialog: a desktop's native one asks about replacing before it adds the suffix.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    if (dialog.exec() != QDialog::Accepted)
        return {};
    return dialog.selectedFiles().value(0);
}

void FileDialogFitter::Install() {
    QCoreApplication* app = QCoreApplication::instance();
    if (!app || app->findChild<FileDialogFitter*>())
        return;
    app->installEventFilter(new FileDialogFitter(app));
}

bool FileDialogFitter::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Show) {
        if (auto* dialog = qobject_cast<QFileDialog*>(watched)) {
            UseProgramLanguageForDates(dialog);
            FitFileDialog(dialog);
            // The folder's entries arrive from a worker thread: fit again once they are there.
            auto* model = dialog->findChild<QFileSystemModel*>();
            if (model && !dialog->property("zudFitting").toBool()) {
                dialog->setProperty("zudFitting", true);
                connect(model, &QFileSystemModel::directoryLoaded, dialog,
                        [dialog] { FitFileDialog(dialog); });
            }
        }
    }
    return false;
}

} // namespace zud::ui
