// SPDX-License-Identifier: MIT
#include "shell/windows/skin.h"

#include <algorithm>
#include <cstdio>
#include <exception>
#include <vector>

#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableView>
#include <QTextEdit>
#include <QToolButton>
#include <QTreeView>

#include "shell/windows/skin_label.h"
#include "surface/qt_colors.h"

namespace tintora {

namespace {

bool IsTextOrListKind(const QString& kind)
{
    static const QStringList kinds = {"TextBox",      "ComboBox", "FileListBox", "DirListBox",
                                      "DriveListBox", "ListBox",  "ListView"};
    return kinds.contains(kind);
}

// Controls whose inner widgets (viewports, embedded line edits, pop-ups) are
// parts of the control, not controls of the window.
bool IsCompositeControl(const QString& kind)
{
    return kind == QLatin1String("CommandButton") || IsTextOrListKind(kind);
}

// The controls of a window: every widget inside it, containers included,
// except the inner parts of composite controls and other windows parented to
// it. Parents come before their children.
void CollectControls(QWidget* parent, std::vector<QWidget*>& out)
{
    const auto children = parent->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    for (QWidget* child : children) {
        if (child->isWindow())
            continue;
        out.push_back(child);
        if (!IsCompositeControl(ControlKindName(child)))
            CollectControls(child, out);
    }
}

void SetBackground(QWidget* w, const QColor& bg)
{
    QPalette pal = w->palette();
    pal.setColor(QPalette::Button, bg);
    pal.setColor(QPalette::Base, bg);
    pal.setColor(QPalette::Window, bg);
    w->setPalette(pal);
    w->setAutoFillBackground(true);
}

void SetTextColor(QWidget* w, const QColor& text)
{
    QPalette pal = w->palette();
    pal.setColor(QPalette::Text, text);
    pal.setColor(QPalette::ButtonText, text);
    w->setPalette(pal);
}

int HighestSkinLabelIndex(QWidget* window)
{
    int highest = 0;
    const auto existing = window->findChildren<QLabel*>(QStringLiteral("SkinLabel1"));
    for (const QLabel* label : existing) {
        bool ok = false;
        const int index = label->property("index").toInt(&ok);
        if (ok)
            highest = std::max(highest, index);
    }
    return highest;
}

} // namespace

QString ControlKindName(const QWidget* w)
{
    if (w == nullptr)
        return QString();
    const QVariant kind = w->property("tintoraKind");
    if (kind.isValid() && !kind.toString().isEmpty())
        return kind.toString();
    if (qobject_cast<const QPushButton*>(w) || qobject_cast<const QToolButton*>(w))
        return QStringLiteral("CommandButton");
    if (qobject_cast<const QLineEdit*>(w) || qobject_cast<const QTextEdit*>(w) ||
        qobject_cast<const QPlainTextEdit*>(w))
        return QStringLiteral("TextBox");
    if (qobject_cast<const QComboBox*>(w))
        return QStringLiteral("ComboBox");
    if (qobject_cast<const QListView*>(w))
        return QStringLiteral("ListBox");
    if (qobject_cast<const QTreeView*>(w) || qobject_cast<const QTableView*>(w))
        return QStringLiteral("ListView");
    if (qobject_cast<const QLabel*>(w))
        return QStringLiteral("Label");
    return QString::fromLatin1(w->metaObject()->className());
}

void SkinControlColors(QWidget* window, std::int32_t c1, std::int32_t c2, std::int32_t c3)
{
    if (window == nullptr)
        return;
    const QColor back = ToQColor(c1);
    const QColor text = ToQColor(c2);
    const QColor picture = ToQColor(c3);
    std::vector<QWidget*> controls;
    CollectControls(window, controls);
    for (QWidget* control : controls) {
        const QString kind = ControlKindName(control);
        if (kind == QLatin1String("CommandButton")) {
            SetBackground(control, back);
        } else if (IsTextOrListKind(kind)) {
            SetBackground(control, back);
            SetTextColor(control, text);
        } else if (kind == QLatin1String("PictureBox")) {
            SetBackground(control, picture);
        }
    }
}

void ApplySkin(QWidget* window, SkinProvider& skin)
{
    // The order of the reads is part of the contract with the provider.
    const std::int32_t c1 = skin.ColorProperty(2);
    const std::int32_t c2 = skin.ColorProperty(3);
    const std::int32_t c3 = skin.ColorProperty(4);
    static_cast<void>(skin.ColorProperty(5));
    SkinControlColors(window, c1, c2, c3);
    skin.SkinWindow(window);
}

void ReplaceLabelsWithSkinLabels(QWidget* window, QWidget* templateContainer)
{
    if (window == nullptr)
        return;
    std::vector<QWidget*> controls;
    CollectControls(window, controls);
    std::vector<QLabel*> labels;
    for (QWidget* control : controls) {
        if (ControlKindName(control) != QLatin1String("Label"))
            continue;
        if (templateContainer != nullptr && control->parentWidget() != templateContainer)
            continue;
        if (auto* label = qobject_cast<QLabel*>(control))
            labels.push_back(label);
    }

    int index = HighestSkinLabelIndex(window);
    for (QLabel* label : labels) {
        auto* skinLabel = new SkinLabel(++index, label->parentWidget());
        // Copied one property at a time, in the order the skin label expects.
        skinLabel->move(skinLabel->x(), label->y());
        skinLabel->move(label->x(), skinLabel->y());
        skinLabel->resize(skinLabel->width(), label->height());
        skinLabel->resize(label->width(), skinLabel->height());
        skinLabel->setFont(label->font());
        skinLabel->setText(label->text());
        skinLabel->setVisible(!label->isHidden());
    }
}

void SkinSplashStart(QWidget* splash, SkinProvider& skin)
{
    ApplySkin(splash, skin);
    // Once the splash wears its skin, a failing engine must not stop the
    // program from starting: it only loses the engine's part of the look.
    RunOptionalSkinStep(QT_TRANSLATE_NOOP("Skin", "starting the skin engine"),
                        [&skin] { skin.EngineStart(); });
}

namespace {

void Note(const QString& text) noexcept
{
    std::fprintf(stderr, "tintora: %s\n", text.toLocal8Bit().constData());
}

} // namespace

bool RunOptionalSkinStep(const char* what, const std::function<void()>& step) noexcept
{
    try {
        step();
        return true;
    } catch (const std::exception& e) {
        Note(QCoreApplication::translate("Skin", "skin: %1 failed (%2); going on without it")
                 .arg(QCoreApplication::translate("Skin", what), QString::fromLocal8Bit(e.what())));
    } catch (...) {
        Note(QCoreApplication::translate("Skin", "skin: %1 failed (unknown error); going on without it")
                 .arg(QCoreApplication::translate("Skin", what)));
    }
    return false;
}

void SkinProgramEnd(SkinProvider& skin)
{
    skin.EngineEnd();
}

} // namespace tintora
