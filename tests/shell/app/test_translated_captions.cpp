// SPDX-License-Identifier: MIT
// The German translation in the fixed-size windows: every caption of a
// button, label or group box fits its control, measured with the control's
// own font and style.
#include "core/branding.h"
#include "file_contents.h"
#include "mainwin/color_facts_label.h"
#include "mainwin/main_window.h"
#include "palettes/custom_colors_store.h"
#include "palettes/file_error_text.h"
#include "palettes/palette_exchange.h"
#include "platform/settings_store.h"
#include "platform/translations.h"
#include "shell/windows/about_window.h"
#include "shell/windows/help_window.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QMap>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>
#include <QStyleOptionGroupBox>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cerrno>
#include <functional>
#include <string>

namespace tintora {
namespace {

QString WithoutMnemonic(QString text)
{
    text.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    text.remove(QLatin1Char('&'));
    return text.replace(QLatin1Char('\x01'), QLatin1Char('&'));
}

int WidestLine(const QFontMetrics& fm, const QString& text)
{
    int widest = 0;
    for (const QString& line : text.split(QLatin1Char('\n')))
        widest = std::max(widest, fm.horizontalAdvance(line));
    return widest;
}

// The room a control gives its caption.
QRect CaptionRoom(QWidget* w)
{
    if (auto* button = qobject_cast<QAbstractButton*>(w)) {
        QStyleOptionButton opt;
        opt.initFrom(button);
        opt.rect = button->rect();
        const bool check = qobject_cast<QCheckBox*>(w) != nullptr;
        const bool radio = qobject_cast<QRadioButton*>(w) != nullptr;
        const QStyle::SubElement contents = check   ? QStyle::SE_CheckBoxContents
                                            : radio ? QStyle::SE_RadioButtonContents
                                                    : QStyle::SE_PushButtonContents;
        return w->style()->subElementRect(contents, &opt, w);
    }
    if (auto* box = qobject_cast<QGroupBox*>(w)) {
        QStyleOptionGroupBox opt;
        opt.initFrom(box);
        opt.rect = box->rect();
        opt.text = box->title();
        opt.subControls = QStyle::SC_GroupBoxLabel | QStyle::SC_GroupBoxFrame;
        // The title may use the frame's width less its rounded corners.
        return QRect(0, 0, box->width() - 2 * 8, box->fontMetrics().height());
    }
    if (qobject_cast<ColorFactsLabel*>(w))
        return w->rect();
    auto* label = qobject_cast<QLabel*>(w);
    const int inset = std::max(label->margin(), label->indent() > 0 ? label->indent() : 0);
    return label->contentsRect().adjusted(inset, 0, -inset, 0);
}

// A caption that does not fit: which control (and item), how wide it is,
// and what to report.
struct Clip {
    QString key;
    int need = 0;
    bool visible = false;
    QString message;
};

// Every caption under `root` that does not fit its control.
QList<Clip> ClippedCaptions(QWidget& root)
{
    QList<Clip> out;
    for (QWidget* w : root.findChildren<QWidget*>()) {
        // Hidden ones too: a mode or a pick shows them later.
        if (auto* combo = qobject_cast<QComboBox*>(w)) {
            QStyleOptionComboBox opt;
            opt.initFrom(combo);
            opt.rect = combo->rect();
            const QRect field = combo->style()->subControlRect(QStyle::CC_ComboBox, &opt,
                                                               QStyle::SC_ComboBoxEditField, combo);
            QStringList items{combo->placeholderText()};
            for (int i = 0; i < combo->count(); ++i)
                items << combo->itemText(i);
            for (int i = 0; i < items.size(); ++i) {
                const int need = combo->fontMetrics().horizontalAdvance(items[i]);
                if (need > field.width())
                    out << Clip{combo->objectName() + QString::number(i), need, combo->isVisibleTo(&root),
                                QStringLiteral("%1: \"%2\" needs %3, has %4")
                                    .arg(combo->objectName(), items[i])
                                    .arg(need)
                                    .arg(field.width())};
            }
            continue;
        }
        QString text;
        bool wraps = false;
        if (auto* button = qobject_cast<QAbstractButton*>(w))
            text = WithoutMnemonic(button->text());
        else if (auto* box = qobject_cast<QGroupBox*>(w))
            text = WithoutMnemonic(box->title());
        else if (auto* label = qobject_cast<QLabel*>(w); label && label->pixmap().isNull()) {
            text = label->text();
            wraps = label->wordWrap();
        } else if (auto* facts = qobject_cast<ColorFactsLabel*>(w))
            text = facts->text();
        if (text.trimmed().isEmpty())
            continue;
        const QFontMetrics fm = w->fontMetrics();
        const QRect room = CaptionRoom(w);
        // A translation changes how wide a line is; only wrapped text also
        // grows in height (a line's height is the font's, whatever the language).
        const QSize need =
            wraps ? fm.boundingRect(QRect(0, 0, room.width(), 100000), Qt::TextWordWrap, text).size()
                  : QSize(WidestLine(fm, text), 0);
        if (need.width() > room.width() || need.height() > room.height()) {
            out << Clip{w->objectName(), need.width(), w->isVisibleTo(&root),
                        QStringLiteral("%1: \"%2\" needs %3 x %4, has %5 x %6")
                            .arg(w->objectName(), text)
                            .arg(need.width())
                            .arg(need.height())
                            .arg(room.width())
                            .arg(room.height())};
        }
    }
    return out;
}

// The windows' captions that do not fit, for the language now installed.
QList<Clip> ClippedInEveryWindow()
{
    QTemporaryDir program, user;
    MainWindow form(program.path(), user.path());
    form.setMessageHook([](const QString&, const QString&) {});
    form.Load();
    QList<Clip> out = ClippedCaptions(form);

    VersionInfo version;
    version.productName = "Tintora";
    version.companyName = "VarnholtSoftware";
    version.comments = "www.varnholtsoftware.example";
    AboutWindow about(BrandInfo{}, version, nullptr);
    out << ClippedCaptions(about);

    SettingsStore settings(QStringLiteral("tintora-captions-test"));
    HelpWindow help(BrandInfo{}, settings, {program.path()}, nullptr);
    return out << ClippedCaptions(help);
}

// English is the measure the controls were designed for: what shows at
// start fits. A translation may clip nothing that English does not clip,
// and where English already does (hidden design controls, constant names
// in a narrow list), it may not need more room.
TEST(TranslatedCaptions, FitTheirControlsInEveryShippedLanguage)
{
    const QList<Clip> english = ClippedInEveryWindow();
    QMap<QString, int> englishNeeds;
    for (const Clip& c : english) {
        EXPECT_FALSE(c.visible) << c.message.toStdString();
        englishNeeds[c.key] = c.need;
    }
    const QStringList shipped = QDir(QString::fromLatin1(kBuiltinTranslationsDir))
                                    .entryList({QStringLiteral("tintora_*.qm")}, QDir::Files);
    ASSERT_TRUE(shipped.contains(QStringLiteral("tintora_de.qm"))) << shipped.join(u' ').toStdString();
    for (const QString& file : shipped) {
        QTranslator translator;
        ASSERT_TRUE(translator.load(QDir(QString::fromLatin1(kBuiltinTranslationsDir)).filePath(file)));
        QCoreApplication::installTranslator(&translator);
        const QList<Clip> clipped = ClippedInEveryWindow();
        QCoreApplication::removeTranslator(&translator);
        QStringList worse;
        for (const Clip& c : clipped)
            if (c.need > englishNeeds.value(c.key, 0))
                worse << c.message;
        EXPECT_EQ(worse.join(QLatin1Char('\n')).toStdString(), "") << file.toStdString();
    }
}

// German reaches the user wherever a text is made: a caption, and the
// reasons and notes of palette files, which are made outside any window.
TEST(TranslatedCaptions, GermanIsActuallyShown)
{
    QTranslator translator;
    ASSERT_FALSE(ChooseTranslation(translator, QLocale(QStringLiteral("de_DE")),
                                   {QString::fromLatin1(kBuiltinTranslationsDir)})
                     .file.isEmpty());
    QCoreApplication::installTranslator(&translator);
    QTemporaryDir dir;
    const struct {
        const char* what;
        std::function<QString()> shown;
        QString german; // a part of what is shown
    } cases[] = {
        {"help window caption",
         [&] {
             SettingsStore settings(QStringLiteral("tintora-captions-test"));
             HelpWindow help(BrandInfo{}, settings, {dir.path()}, nullptr);
             auto* check = help.findChild<QCheckBox*>(QStringLiteral("Check1"));
             return check ? check->text() : QString();
         },
         QStringLiteral("Beim Start zeigen")},
        {"palette too large",
         [] {
             const std::string big(MaxPaletteFileBytes + 1, '#');
             return QString::fromStdString(ParsePalette(big, PaletteFileFormat::Gpl).error);
         },
         QStringLiteral("Paletten mit mehr als")},
        {"damaged palette kept before a save",
         [&] {
             CustomColorsStore store(dir.path(), QString());
             return test::WriteFile(store.FilePath(), "not a number\r\n")
                        ? store.Save(CustomColorArray{}).notice
                        : QString();
         },
         QStringLiteral("konnte nicht vollständig gelesen werden")},
        {"system error", [] { return FileErrorText(ENOSPC); }, QStringLiteral("Kein Speicherplatz")},
        {"file dialog filter", [] { return PaletteFileDialogFilter(); },
         QStringLiteral("GIMP-Palette (*.gpl)")},
    };
    for (const auto& c : cases)
        EXPECT_TRUE(c.shown().contains(c.german)) << c.what << ": " << c.shown().toStdString();
    QCoreApplication::removeTranslator(&translator);
}

} // namespace
} // namespace tintora
