// The main window's controls at their fixed places. They are created from
// the top left to the bottom right of the window, which is also the order
// the Tab key follows.
#include "mainwin/form1.h"
#include "mainwin/swatch_label.h"
#include "mainwin/system_colors_qt.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace tintora {

namespace {

QFont Verdana(double points, bool bold)
{
    QFont f(DesignFontFamily(QStringLiteral("Verdana")));
    f.setPointSizeF(points);
    f.setBold(bold);
    return f;
}

QFont Family(const char* family, double points)
{
    QFont f(DesignFontFamily(QString::fromLatin1(family)));
    f.setPointSizeF(points);
    f.setBold(false);
    return f;
}

template <typename W>
W* Make(QWidget* parent, const QString& name, int x, int y, int w, int h)
{
    auto* widget = new W(parent);
    widget->setObjectName(name);
    widget->setGeometry(x, y, w, h);
    return widget;
}

QPushButton* Button(QWidget* parent, const QString& name, int x, int y, int w, int h, const QString& caption)
{
    auto* b = Make<QPushButton>(parent, name, x, y, w, h);
    b->setText(caption);
    b->setAutoDefault(false);
    return b;
}

QLabel* Label(QWidget* parent, const QString& name, int x, int y, int w, int h, const QString& caption)
{
    auto* l = Make<QLabel>(parent, name, x, y, w, h);
    l->setText(caption);
    return l;
}

QLineEdit* TextField(QWidget* parent, const QString& name, int x, int y, int w, int h, const QString& text)
{
    auto* t = Make<QLineEdit>(parent, name, x, y, w, h);
    t->setText(text);
    return t;
}

SwatchLabel* Swatch(QWidget* parent, const QString& name, int x, int y, int w, int h, bool border)
{
    auto* s = Make<SwatchLabel>(parent, name, x, y, w, h);
    if (border)
        s->setFrameStyle(QFrame::Box | QFrame::Plain);
    return s;
}

// An output code field: centred, read-only text in Verdana regular.
QLineEdit* OutputField(QWidget* parent, int index, int x, int y, int w, int h, std::string_view text)
{
    auto* t = TextField(parent, QStringLiteral("txtColor%1").arg(index), x, y, w, h,
                        QString::fromUtf8(text.data(), static_cast<int>(text.size())));
    t->setFont(Verdana(8.25, false));
    t->setAlignment(Qt::AlignCenter);
    t->setReadOnly(true);
    return t;
}

} // namespace

void Form1::BuildControls()
{
    setFont(Verdana(8.25, true));

    Command1 = Button(this, QStringLiteral("Command1"), 304, 4, 83, 59, QStringLiteral("Keep"));
    Command3 = Button(this, QStringLiteral("Command3"), 392, 4, 83, 59, QStringLiteral("Presets"));

    Frame1 = Make<QGroupBox>(this, QStringLiteral("Frame1"), 300, 64, 177, 59);
    Label1 = Label(Frame1, QStringLiteral("Label1"), 8, 10, 31, 13, QStringLiteral("New"));
    lblSelColor = Swatch(Frame1, QStringLiteral("lblSelColor"), 8, 24, 77, 29, false);
    Label3 = Label(Frame1, QStringLiteral("Label3"), 148, 8, 23, 13, QStringLiteral("Old"));
    Label2 = Swatch(Frame1, QStringLiteral("Label2"), 88, 24, 81, 29, false);

    Frame2 = Make<QWidget>(this, QStringLiteral("Frame2"), 300, 112, 173, 149);
    const QFont regular = Verdana(8.25, false);
    const QFont sansSerif = Family("MS Sans Serif", 8.25);
    // One row per channel pair: option, field, unit label; then R, G or B.
    auto option = [&](const char* name, int y, int w, const char* caption, const char* tip) {
        auto* o = Make<QRadioButton>(Frame2, QString::fromLatin1(name), 0, y, w, 17);
        o->setText(QString::fromLatin1(caption));
        o->setToolTip(QString::fromLatin1(tip));
        o->setFont(regular);
        return o;
    };
    auto field = [&](const char* name, int x, int y, const char* text, const char* tip) {
        auto* f = TextField(Frame2, QString::fromLatin1(name), x, y, 49, 19, QString::fromLatin1(text));
        f->setToolTip(QString::fromLatin1(tip));
        return f;
    };
    auto label = [&](const char* name, QRect r, const QString& caption, const QFont* font, const char* tip) {
        auto* l = Label(Frame2, QString::fromLatin1(name), r.x(), r.y(), r.width(), r.height(), caption);
        if (font)
            l->setFont(*font);
        if (tip)
            l->setToolTip(QString::fromLatin1(tip));
        return l;
    };
    const QFont arial12 = Family("Arial", 12);
    const QFont arial = Family("Arial", 8.25);

    optH = option("optH", 34, 35, "H:", "Hue");
    optH->setChecked(true);
    txtH = field("txtH", 36, 32, "0", "Hue");
    txtH->setFont(sansSerif);
    lblH = label("lblH", {88, 32, 11, 11}, QStringLiteral("\u00B0"), &arial12, nullptr);
    lblR = label("lblR", {104, 36, 17, 15}, QStringLiteral("R:"), nullptr, "Red");
    Text1 = field("Text1", 120, 32, "255", "Red");

    optS = option("optS", 54, 43, "S:", "Saturation");
    txtS = field("txtS", 36, 52, "100", "Saturation");
    lblS = label("lblS", {88, 52, 11, 13}, QStringLiteral("%"), &arial, nullptr);
    lblG = label("lblG", {103, 54, 19, 15}, QStringLiteral("G:"), nullptr, "Green");
    Text2 = field("Text2", 120, 52, "0", "Green");

    optB = option("optB", 74, 45, "B:", "Brightness");
    txtB = field("txtB", 36, 75, "100", "Brightness");
    lblBB = label("lblBB", {88, 72, 13, 17}, QStringLiteral("%"), &arial, nullptr);
    lblB = label("lblB", {104, 74, 21, 15}, QStringLiteral("B:"), nullptr, "Blue");
    Text3 = field("Text3", 120, 72, "0", "Blue");

    Frame3 = Make<QWidget>(this, QStringLiteral("Frame3"), 296, 112, 181, 101);
    Frame3->hide();
    lblADDColor = Swatch(Frame3, QStringLiteral("lblADDColor"), 8, 48, 169, 39, true);
    lblADDColor->hide();

    cmbPreset = Make<QComboBox>(this, QStringLiteral("cmbPreset"), 304, 128, 171, 21);
    cmbPreset->setFont(regular);
    cmbPreset->setPlaceholderText(QStringLiteral("Safe Colors"));
    cmbPreset->hide();
    cmdADD = Button(this, QStringLiteral("cmdADD"), 304, 200, 171, 59, QStringLiteral("Add"));
    cmdADD->hide();

    Frame5 = Make<QGroupBox>(this, QStringLiteral("Frame5"), 4, 264, 473, 45);
    Frame5->setTitle(QStringLiteral("Color History"));
    for (int i = 0; i < ColorHistory::Size; ++i)
        hist[static_cast<std::size_t>(i)] = Swatch(Frame5, QStringLiteral("hist%1").arg(i), 20 + 24 * i, 16, 21, 21, true);

    Frame4 = Make<QGroupBox>(this, QStringLiteral("Frame4"), 4, 312, 473, 85);
    Frame4->setTitle(QStringLiteral("Color Outputs"));
    const auto& design = DesignOutputTexts;
    lblCap[1] = Label(Frame4, QStringLiteral("lblCap1"), 4, 16, 103, 13, QStringLiteral("RGB Color Code:"));
    lblCap[2] = Label(Frame4, QStringLiteral("lblCap2"), 240, 16, 130, 13, QStringLiteral("Decimal Color Code:"));
    txtColor[2] = OutputField(Frame4, 2, 4, 28, 167, 19, design[2]);
    cmdCopy[0] = Button(Frame4, QStringLiteral("cmdCopy0"), 176, 24, 53, 21, QStringLiteral("Copy"));
    txtColor[3] = OutputField(Frame4, 3, 240, 28, 167, 19, design[3]);
    cmdCopy[2] = Button(Frame4, QStringLiteral("cmdCopy2"), 412, 24, 57, 21, QStringLiteral("Copy"));
    lblCap[3] = Label(Frame4, QStringLiteral("lblCap3"), 4, 48, 112, 13, QStringLiteral("HTML Color Code:"));
    lblCap[4] = Label(Frame4, QStringLiteral("lblCap4"), 240, 48, 123, 13, QStringLiteral("VB Hex Color Code:"));
    txtColor[4] = OutputField(Frame4, 4, 4, 60, 167, 19, design[4]);
    cmdCopy[1] = Button(Frame4, QStringLiteral("cmdCopy1"), 176, 56, 53, 21, QStringLiteral("Copy"));
    txtColor[5] = OutputField(Frame4, 5, 240, 60, 167, 19, design[5]);
    cmdCopy[3] = Button(Frame4, QStringLiteral("cmdCopy3"), 412, 60, 57, 21, QStringLiteral("Copy"));
    // The QBColor code exists but is never shown.
    lblCap[0] = Label(Frame4, QStringLiteral("lblCap0"), 88, 32, 70, 13, QStringLiteral("QBColor Code:"));
    lblCap[0]->hide();
    txtColor[1] = OutputField(Frame4, 1, 60, 28, 107, 19, design[1]);
    txtColor[1]->hide();

    Command5 = Button(this, QStringLiteral("Command5"), 4, 400, 233, 45, QStringLiteral("About this software"));
    Command4 = Button(this, QStringLiteral("Command4"), 244, 400, 233, 45, QStringLiteral("Visit "));

    // Outputs that live outside the client area and are never shown.
    txtColor[0] = OutputField(this, 0, 636, 504, 100, 19, design[0]);
    txtColor[6] = OutputField(this, 6, 436, 524, 100, 19, design[6]);
    txtColor[7] = OutputField(this, 7, 436, 546, 100, 19, design[7]);
    cboSysColors = Make<QComboBox>(this, QStringLiteral("cboSysColors"), 532, 432, 145, 21);
    for (std::string_view name : SysColorNames)
        cboSysColors->addItem(QString::fromUtf8(name.data(), static_cast<int>(name.size())));
    cboSysColors->setCurrentIndex(-1);
    Command2 = Button(this, QStringLiteral("Command2"), 516, 304, 83, 33, QStringLiteral("&Cancel"));
    for (QWidget* w : {static_cast<QWidget*>(txtColor[0]), static_cast<QWidget*>(txtColor[6]),
                       static_cast<QWidget*>(txtColor[7]), static_cast<QWidget*>(cboSysColors),
                       static_cast<QWidget*>(Command2)})
        w->hide();
}

} // namespace tintora
