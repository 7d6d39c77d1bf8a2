#include "Ribbon.h"

#include <QComboBox>

#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QPixmap>
#include <QVBoxLayout>
#include <algorithm>

namespace zud::ui {

namespace {
QString& HeaderStore() {
    static QString header;
    return header;
}
} // namespace

QString DefaultDisabledHeader() {
    return QCoreApplication::translate("Ribbon", "Dieser Befehl ist deaktiviert.");
}

void SetDisabledHeader(const QString& header) {
    HeaderStore() = header;
}

QString DisabledHeader() {
    return HeaderStore().isEmpty() ? DefaultDisabledHeader() : HeaderStore();
}

namespace {

// Plain tips do not wrap: a reason of a sentence or two is broken into lines of about 60 letters.
QString WrapTip(const QString& text) {
    QStringList lines;
    QString line;
    for (const QString& word : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        if (!line.isEmpty() && line.size() + 1 + word.size() > 60) {
            lines << line;
            line.clear();
        }
        line += (line.isEmpty() ? QString() : QStringLiteral(" ")) + word;
    }
    if (!line.isEmpty())
        lines << line;
    return lines.join(QLatin1Char('\n'));
}

} // namespace

void SetDisabledReason(QAction* action, const QString& reason) {
    action->setProperty("zudDisabledReason", reason);
}

void SetCommandText(QAction* action, const QString& text) {
    action->setText(text);
    action->setToolTip(QString(text).remove(QLatin1Char('&')));
}

void SetCommandTexts(const QHash<QString, QAction*>& actions,
                     std::initializer_list<std::pair<const char*, QString>> texts) {
    for (const auto& [name, text] : texts)
        SetCommandText(actions.value(QString::fromLatin1(name)), text);
}

void TipsFromCaptions(const QHash<QString, QAction*>& actions) {
    for (QAction* a : actions)
        a->setToolTip(QString(a->text()).remove(QLatin1Char('&')));
}

QString ScreenTip(const QAction* action) {
    QString text = action->toolTip();
    if (text.isEmpty())
        text = action->text();
    text.remove(QLatin1Char('&'));
    if (!action->shortcut().isEmpty())
        text += QStringLiteral(" (%1)").arg(action->shortcut().toString(QKeySequence::NativeText));
    if (!action->isEnabled()) {
        text = DisabledHeader() + QLatin1Char('\n') + text;
        const QString reason = action->property("zudDisabledReason").toString();
        if (!reason.isEmpty())
            text += QStringLiteral("\n\n") + WrapTip(reason);
    }
    return text;
}

QIcon ThemeIcon(const QString& name, const QString& fallbackText) {
    QIcon icon = QIcon::fromTheme(name);
    if (!icon.isNull() && !icon.availableSizes().isEmpty())
        return icon;
    if (!icon.isNull() && !icon.pixmap(32).isNull())
        return icon;
    // Adwaita ships its action icons as rendered symbolic PNGs, which the theme lookup does
    // not find by the plain name.
    QIcon files;
    for (const char* size : {"16x16", "24x24", "32x32", "48x48"}) {
        for (const char* context :
             {"actions", "apps", "categories", "devices", "mimetypes", "places", "status", "legacy"}) {
            const QString f = QStringLiteral("/usr/share/icons/Adwaita/%1/%2/%3-symbolic.symbolic.png")
                                  .arg(QLatin1String(size), QLatin1String(context), name);
            if (QFile::exists(f)) {
                files.addFile(f);
                break;
            }
        }
    }
    if (!files.availableSizes().isEmpty())
        return files;
    // Our own drawn icon: a rounded tile with the first letter.
    QIcon drawn;
    for (int size : {16, 32}) {
        QPixmap pm(size, size);
        pm.fill(Qt::transparent);
        QPainter p(&pm);
        p.setRenderHint(QPainter::Antialiasing);
        p.setBrush(QColor(0x3c, 0x6e, 0xb4));
        p.setPen(Qt::NoPen);
        p.drawRoundedRect(QRectF(1, 1, size - 2, size - 2), size / 5.0, size / 5.0);
        p.setPen(Qt::white);
        QFont f = p.font();
        f.setBold(true);
        f.setPixelSize(size * 6 / 10);
        p.setFont(f);
        const QString letter = fallbackText.isEmpty() ? QStringLiteral("?") : fallbackText.left(1).toUpper();
        p.drawText(pm.rect(), Qt::AlignCenter, letter);
        p.end();
        drawn.addPixmap(pm);
    }
    return drawn;
}

RibbonButton::RibbonButton(QAction* action, bool large, QWidget* parent)
    : QToolButton(parent), FLarge(large) {
    setDefaultAction(action);
    setAutoRaise(true);
    if (large) {
        setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
        setIconSize(QSize(32, 32));
        setSizePolicy(QSizePolicy::Minimum, QSizePolicy::Expanding);
    } else {
        setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
        setIconSize(QSize(16, 16));
        setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    }
    connect(action, &QAction::changed, this, &RibbonButton::UpdateTip);
    UpdateTip();
    ApplyCaption();
}

QString RibbonButton::Wrapped(const QString& caption, const QFontMetrics& fm) {
    // Short captions stay on one line; longer ones of several words break at the blank that
    // gives the narrowest button, as ribbons do, so that a tab fits a 1280-pixel screen in
    // every language.
    constexpr int kEinzeilig = 96;
    if (caption.contains(QLatin1Char('\n')) || fm.horizontalAdvance(caption) <= kEinzeilig)
        return caption;
    int best = -1, bestWidth = fm.horizontalAdvance(caption);
    for (int i = caption.indexOf(QLatin1Char(' ')); i > 0; i = caption.indexOf(QLatin1Char(' '), i + 1)) {
        const int w =
            std::max(fm.horizontalAdvance(caption.left(i)), fm.horizontalAdvance(caption.mid(i + 1)));
        if (w < bestWidth) {
            bestWidth = w;
            best = i;
        }
    }
    if (best < 0)
        return caption;
    return caption.left(best) + QLatin1Char('\n') + caption.mid(best + 1);
}

void RibbonButton::ApplyCaption() {
    if (!FLarge || !defaultAction())
        return;
    const QString caption = Wrapped(defaultAction()->iconText(), fontMetrics());
    if (text() != caption) {
        setText(caption);
        updateGeometry();
    }
}

QSize RibbonButton::sizeHint() const {
    QSize s = QToolButton::sizeHint();
    if (FLarge) {
        const int needed = fontMetrics().size(Qt::TextShowMnemonic, text()).width() + 16 +
                           (menu() || popupMode() == QToolButton::MenuButtonPopup ? 12 : 0);
        // A fixed minimum width would stand in for this hint in every layout and let a narrow
        // window squeeze the caption to "Zusc…iden"; the floor of 64 pixels lives here instead.
        s.setWidth(std::max({s.width(), needed, 64}));
    }
    return s;
}

void RibbonButton::UpdateTip() {
    if (defaultAction())
        setToolTip(ScreenTip(defaultAction()));
}

bool RibbonButton::event(QEvent* e) {
    // QToolButton puts the action's own tip back on every change; ours wins.
    const bool r = QToolButton::event(e);
    if (e->type() == QEvent::ActionChanged || e->type() == QEvent::EnabledChange)
        UpdateTip();
    if (e->type() == QEvent::ActionChanged || e->type() == QEvent::FontChange)
        ApplyCaption(); // after QToolButton took the action's one-line caption
    return r;
}

RibbonGroup::RibbonGroup(const QString& caption, QWidget* parent) : QFrame(parent) {
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(4, 2, 4, 2);
    outer->setSpacing(1);
    FRow = new QHBoxLayout;
    FRow->setSpacing(2);
    outer->addLayout(FRow, 1);
    FCaption = new QLabel(caption, this);
    FCaption->setAlignment(Qt::AlignCenter);
    QPalette pal = FCaption->palette();
    pal.setColor(QPalette::WindowText, QColor(0x50, 0x50, 0x50));
    FCaption->setPalette(pal);
    outer->addWidget(FCaption);
    setFrameShape(QFrame::NoFrame);
}

void RibbonGroup::AddItem(QWidget* w) {
    FItems.push_back(w);
}

void RibbonGroup::FlushSmall() {
    FSmallColumn = nullptr;
    FSmallCount = 0;
}

RibbonButton* RibbonGroup::AddLarge(QAction* action) {
    FlushSmall();
    auto* b = new RibbonButton(action, true, this);
    FRow->addWidget(b);
    AddItem(b);
    return b;
}

QWidget* RibbonGroup::SmallColumn() {
    if (!FSmallColumn || FSmallCount == 3) {
        FSmallColumn = new QWidget(this);
        auto* col = new QVBoxLayout(FSmallColumn);
        col->setContentsMargins(0, 0, 0, 0);
        col->setSpacing(0);
        col->addStretch();
        FRow->addWidget(FSmallColumn);
        FSmallCount = 0;
    }
    return FSmallColumn;
}

RibbonButton* RibbonGroup::AddSmall(QAction* action) {
    auto* b = new RibbonButton(action, false, SmallColumn());
    AddSmallWidget(b);
    return b;
}

void RibbonGroup::AddSmallWidget(QWidget* w) {
    QWidget* column = SmallColumn();
    if (w->parentWidget() != column)
        w->setParent(column);
    auto* col = static_cast<QVBoxLayout*>(column->layout());
    col->insertWidget(col->count() - 1, w);
    ++FSmallCount;
    AddItem(w);
}

RibbonButton* RibbonGroup::AddDropDown(QAction* action, QMenu* menu) {
    RibbonButton* b = AddLarge(action);
    b->setMenu(menu);
    b->setPopupMode(QToolButton::MenuButtonPopup);
    return b;
}

QComboBox* RibbonGroup::AddCombo(const QString& objectName) {
    FlushSmall();
    auto* c = new QComboBox(this);
    c->setObjectName(objectName);
    c->setEditable(true);
    c->lineEdit()->setReadOnly(true);
    c->setMinimumWidth(160);
    FRow->addWidget(c, 0, Qt::AlignVCenter);
    AddItem(c);
    return c;
}

QLineEdit* RibbonGroup::AddEdit(const QString& objectName) {
    FlushSmall();
    auto* e = new QLineEdit(this);
    e->setObjectName(objectName);
    e->setReadOnly(true);
    e->setMinimumWidth(200);
    FRow->addWidget(e, 0, Qt::AlignVCenter);
    AddItem(e);
    return e;
}

void RibbonGroup::AddSeparator() {
    FlushSmall();
    auto* line = new QFrame(this);
    line->setObjectName(QStringLiteral("separator"));
    line->setFrameShape(QFrame::VLine);
    line->setFrameShadow(QFrame::Sunken);
    FRow->addWidget(line);
    AddItem(line);
}

void RibbonGroup::RemoveFrom(int index) {
    while (int(FItems.size()) > index) {
        QWidget* w = FItems.back();
        FItems.pop_back();
        QWidget* holder = w->parentWidget();
        delete w;
        // An emptied column of small buttons goes too.
        if (holder != this && holder &&
            holder->findChildren<QWidget*>(Qt::FindDirectChildrenOnly).isEmpty()) {
            if (holder == FSmallColumn)
                FlushSmall();
            delete holder;
        }
    }
}

void RibbonGroup::SetCaption(const QString& caption) {
    FCaption->setText(caption);
}

QString RibbonGroup::Caption() const {
    return FCaption->text();
}

QList<RibbonButton*> RibbonGroup::Buttons() const {
    return findChildren<RibbonButton*>();
}

void RibbonGroup::SetActionsEnabled(bool enabled) {
    for (RibbonButton* b : Buttons())
        if (b->defaultAction())
            b->defaultAction()->setEnabled(enabled);
}

Ribbon::Ribbon(QWidget* parent) : QTabWidget(parent) {
    setDocumentMode(true);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
}

QWidget* Ribbon::AddTab(const QString& objectName, const QString& caption) {
    auto* page = new QWidget(this);
    page->setObjectName(objectName);
    auto* row = new QHBoxLayout(page);
    row->setContentsMargins(2, 2, 2, 2);
    row->setSpacing(0);
    row->addStretch();
    addTab(page, caption);
    return page;
}

RibbonGroup* Ribbon::AddGroup(QWidget* tab, const QString& objectName, const QString& caption) {
    auto* g = new RibbonGroup(caption, tab);
    g->setObjectName(objectName);
    auto* row = static_cast<QHBoxLayout*>(tab->layout());
    if (row->count() > 1) {
        auto* line = new QFrame(tab);
        line->setFrameShape(QFrame::VLine);
        line->setFrameShadow(QFrame::Sunken);
        row->insertWidget(row->count() - 1, line);
    }
    row->insertWidget(row->count() - 1, g);
    return g;
}

RibbonGroup* Ribbon::Group(const QString& objectName) const {
    return findChild<RibbonGroup*>(objectName);
}

QWidget* Ribbon::Tab(const QString& objectName) const {
    for (int i = 0; i < count(); ++i)
        if (widget(i)->objectName() == objectName)
            return widget(i);
    return nullptr;
}

void Ribbon::SetTabCaption(const QString& objectName, const QString& caption) {
    if (QWidget* t = Tab(objectName))
        setTabText(indexOf(t), caption);
}

void Ribbon::SetTabVisible(const QString& objectName, bool visible) {
    if (QWidget* t = Tab(objectName))
        setTabVisible(indexOf(t), visible);
}

void Ribbon::SetTabEnabled(const QString& objectName, bool enabled) {
    if (QWidget* t = Tab(objectName))
        setTabEnabled(indexOf(t), enabled);
}

void Ribbon::UpdateTips() {
    for (RibbonButton* b : findChildren<RibbonButton*>())
        b->UpdateTip();
}

void Ribbon::SetHelpAction(QAction* action) {
    auto* b = new QToolButton(this);
    b->setDefaultAction(action);
    b->setAutoRaise(true);
    setCornerWidget(b, Qt::TopRightCorner);
}

Ribbon* PutRibbonOnTop(QWidget* window, QVBoxLayout** layout) {
    auto* lay = new QVBoxLayout(window);
    lay->setContentsMargins(0, 0, 0, 0);
    lay->setSpacing(0);
    auto* ribbon = new Ribbon(window);
    lay->addWidget(ribbon);
    if (layout)
        *layout = lay;
    return ribbon;
}

QAction* AddRibbonCommand(QWidget* window, QHash<QString, QAction*>& actions, const QString& name,
                          const QString& icon, RibbonGroup* group, bool large) {
    auto* a = new QAction(window);
    a->setObjectName(name);
    a->setIcon(ThemeIcon(icon, name));
    actions.insert(name, a);
    if (group) {
        if (large)
            group->AddLarge(a);
        else
            group->AddSmall(a);
    }
    window->addAction(a);
    return a;
}

} // namespace zud::ui
