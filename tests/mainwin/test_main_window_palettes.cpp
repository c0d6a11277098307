// SPDX-License-Identifier: MIT
#include "main_window_fixture.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QRadioButton>

namespace tintora::testing {
namespace {

class MainWindowPalettes : public MainWindowTest
{
protected:
    void openGrid() { child<QAbstractButton>("Command3")->click(); }
    void chooseSafe()
    {
        auto* list = child<QComboBox>("cmbPreset");
        list->setCurrentIndex(1);
        form->palettePanel().onPresetChosen();
    }
    std::int32_t swatch(const char* name) const
    {
        const QColor c = child<QLabel>(name)->palette().color(QPalette::Window);
        return Rgb(c.red(), c.green(), c.blue());
    }
    // The centre of grid cell k.
    static QPoint cell(int k) { return {10 + 18 * ((k - 1) % 16) + 7, 10 + 18 * ((k - 1) / 16) + 7}; }
    // Whether the readout in the band below the bottom buttons shows exactly
    // these four lines: the expected picture is printed line by line on a
    // blank surface of the same font, at (8, 451).
    bool readoutShows(const QStringList& lines) const
    {
        Surface expected(form->surface().backColor());
        expected.setFont(form->surface().font());
        int y = 451;
        for (const QString& line : lines)
            y = expected.Print(8, y, line, 0);
        for (int py = 451; py < y; ++py)
            for (int px = 8; px <= 108; ++px)
                if (pixel(px, py) != expected.Point(px, py))
                    return false;
        return true;
    }
};

TEST_F(MainWindowPalettes, GridOpensOnTheCustomColoursAndCreatesNoFile)
{
    press(265, 10);
    release(265, 10); // "New" is red
    openGrid();
    EXPECT_EQ(child<QAbstractButton>("Command3")->text(), QStringLiteral("&Picker"));
    auto* list = child<QComboBox>("cmbPreset");
    EXPECT_TRUE(list->isVisible());
    EXPECT_EQ(list->currentIndex(), 0);
    EXPECT_FALSE(child("Frame2")->isVisible());
    EXPECT_TRUE(child("cmdADD")->isVisible());
    EXPECT_TRUE(child("lblADDColor")->isVisible());
    EXPECT_TRUE(child("Frame3")->isVisible());
    EXPECT_EQ(swatch("lblADDColor"), Rgb(255, 0, 0));
    EXPECT_FALSE(form->picker().MarkersVisible());
    for (int k : {1, 100, 224})
        EXPECT_EQ(pixel(cell(k).x(), cell(k).y()), 0) << k;
    EXPECT_FALSE(QFile::exists(programDir.filePath(QStringLiteral("usercolors.cps"))));
}

TEST_F(MainWindowPalettes, SafePaletteCellsAndClicks)
{
    openGrid();
    chooseSafe();
    EXPECT_FALSE(child("cmdADD")->isVisible());
    EXPECT_TRUE(child("Frame3")->isVisible());
    const struct {
        int k;
        std::int32_t color;
    } cells[] = {{1, 0},
                 {6, Rgb(0, 0, 255)},
                 {7, Rgb(0, 51, 0)},
                 {36, Rgb(0, 255, 255)},
                 {37, Rgb(51, 0, 0)},
                 {216, Rgb(255, 255, 255)},
                 {220, 0}};
    for (const auto& c : cells)
        EXPECT_EQ(pixel(cell(c.k).x(), cell(c.k).y()), c.color) << c.k;
    EXPECT_EQ(pixel(137, 245), Rgb(255, 255, 255)); // cell 216 spans from (136, 244)

    click(216 - 216 + 143, 251); // inside cell 216
    EXPECT_EQ(form->palettes().SelectedCell(), 216);
    EXPECT_EQ(form->colorModel().CurrentColor(), Rgb(255, 255, 255));
    EXPECT_EQ(text("txtColor4"), QStringLiteral("#FFFFFF"));
    EXPECT_EQ(swatch("lblSelColor"), Rgb(255, 255, 255));
    EXPECT_TRUE(readoutShows({"R: 255", "G: 255", "B: 255", "Hex: #FFFFFF"}));
    EXPECT_FALSE(readoutShows({"R: 255", "G: 255", "B: 255", "Hex: #FFFFFE"}));

    click(10, 17); // the left outline of cell 1
    EXPECT_EQ(form->palettes().SelectedCell(), 216);
    click(26, 17); // the gap between cells 1 and 2
    EXPECT_EQ(form->palettes().SelectedCell(), 216);
    click(11, 11);
    EXPECT_EQ(form->palettes().SelectedCell(), 1);
    EXPECT_EQ(form->colorModel().CurrentColor(), 0);

    click(cell(6).x(), cell(6).y());
    EXPECT_TRUE(readoutShows({"R: 0", "G: 0", "B: 255", "Hex: #0000FF"}));
    // A filler cell is black on the screen, and black is what it picks: the
    // swatch, the codes and the readout agree.
    click(cell(220).x(), cell(220).y());
    EXPECT_EQ(form->palettes().SelectedCell(), 220);
    EXPECT_EQ(swatch("lblSelColor"), 0);
    EXPECT_EQ(text("txtColor4"), QStringLiteral("#000000"));
    EXPECT_EQ(form->colorModel().CurrentColor(), 0);
    EXPECT_TRUE(readoutShows({"R: 0", "G: 0", "B: 0", "Hex: #000000"}));
}

TEST_F(MainWindowPalettes, DraggingAcrossTheGridSelectsCellAfterCell)
{
    openGrid();
    chooseSafe();
    press(cell(1).x(), cell(1).y());
    for (int k = 2; k <= 5; ++k) {
        drag(cell(k).x(), cell(k).y());
        EXPECT_EQ(form->palettes().SelectedCell(), k);
        EXPECT_EQ(form->colorModel().CurrentColor(), Rgb(0, 0, 51 * (k - 1)));
    }
    release(cell(5).x(), cell(5).y());
    EXPECT_FALSE(form->picker().PlaneDragging());
    EXPECT_FALSE(form->picker().SliderDragging());
}

TEST_F(MainWindowPalettes, AddStoresTheAddColourAndSavesTheFile)
{
    press(265, 10);
    release(265, 10); // New = red
    openGrid();
    click(cell(1).x(), cell(1).y()); // New becomes black; the add colour stays red
    EXPECT_EQ(swatch("lblADDColor"), Rgb(255, 0, 0));
    const std::int32_t current = form->colorModel().CurrentColor();
    child<QAbstractButton>("cmdADD")->click();
    EXPECT_EQ(pixel(cell(1).x(), cell(1).y()), Rgb(255, 0, 0));
    EXPECT_EQ(form->colorModel().CurrentColor(), current);

    QFile f(programDir.filePath(QStringLiteral("usercolors.cps")));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray bytes = f.readAll();
    QByteArray expected;
    for (int i = 0; i < 225; ++i)
        expected += i == 1 ? QByteArray(" 255 \r\n") : QByteArray(" 0 \r\n");
    EXPECT_EQ(bytes, expected);

    // The same colour again into cell 17, without reopening the grid.
    click(cell(17).x(), cell(17).y());
    child<QAbstractButton>("cmdADD")->click();
    f.close(); // the save replaced the file: read the new one
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = f.readAll().split('\n');
    EXPECT_EQ(lines[17], QByteArray(" 255 \r"));

    // A click on the add-colour swatch makes it current.
    form->palettePanel().onAddSwatchClicked();
    EXPECT_EQ(form->colorModel().CurrentColor(), Rgb(255, 0, 0));
}

TEST_F(MainWindowPalettes, ReturningToThePickerRepaintsItAndKeepsTheSelectedCell)
{
    openGrid();
    chooseSafe();
    click(cell(40).x(), cell(40).y());
    openGrid(); // back to the picker
    EXPECT_EQ(child<QAbstractButton>("Command3")->text(), QStringLiteral("&Preset"));
    EXPECT_TRUE(child("Frame2")->isVisible());
    EXPECT_FALSE(child("cmbPreset")->isVisible());
    EXPECT_FALSE(child("cmdADD")->isVisible());
    EXPECT_FALSE(child("Frame3")->isVisible());
    EXPECT_TRUE(form->picker().MarkersVisible());
    EXPECT_EQ(pixel(265, 10), Rgb(255, 0, 0)); // the hue plane for the fields' hue 0
    EXPECT_EQ(pixel(282, 265), Rgb(255, 0, 0));
    openGrid();
    EXPECT_EQ(child<QComboBox>("cmbPreset")->currentIndex(), 0);
    EXPECT_EQ(form->palettes().SelectedCell(), 40);
    EXPECT_EQ(form->palettes().View(), PaletteView::CustomColors);
}

TEST_F(MainWindowPalettes, ReturningInSaturationModeRedrawsThatMode)
{
    child<QRadioButton>("optS")->setChecked(true);
    openGrid();
    openGrid();
    EXPECT_EQ(pixel(100, 265), 0);                  // saturation plane: black bottom row
    EXPECT_EQ(pixel(280, 265), Rgb(255, 255, 255)); // saturation strip: white bottom
}

TEST_F(MainWindowPalettes, KeepPushesTheNewColourIntoHistory)
{
    press(265, 10);
    release(265, 10);
    child<QAbstractButton>("Command1")->click();
    EXPECT_EQ(swatch("hist0"), Rgb(255, 0, 0));
    EXPECT_EQ(swatch("Label2"), Rgb(255, 0, 0));
    EXPECT_EQ(swatch("hist1"), 0);

    for (int i = 1; i <= 19; ++i) {
        form->LoadColorDialog(Rgb(i, 0, 0));
        form->keepColor();
    }
    EXPECT_EQ(swatch("hist0"), Rgb(19, 0, 0));
    EXPECT_EQ(swatch("hist17"), Rgb(2, 0, 0));
    form->keepColor();
    EXPECT_EQ(swatch("hist0"), swatch("hist1"));

    // A history click shows the colour in the outputs and the readout only.
    const QString s = text("txtS");
    form->showSwatch(static_cast<SwatchId>(5));
    EXPECT_EQ(form->colorModel().CurrentColor(), Rgb(15, 0, 0));
    EXPECT_EQ(text("txtColor2"), QStringLiteral("RGB(15, 0, 0)"));
    EXPECT_EQ(swatch("lblSelColor"), Rgb(19, 0, 0));
    EXPECT_EQ(text("txtS"), s);
    EXPECT_TRUE(readoutShows({"R: 15", "G: 0", "B: 0", "Hex: #0F0000"}));
    form->keepColor();
    EXPECT_EQ(swatch("hist0"), Rgb(19, 0, 0));
}

TEST_F(MainWindowPalettes, NeverFilledHistoryPlaceMakesBlackCurrent)
{
    press(265, 10);
    release(265, 10);
    form->showSwatch(static_cast<SwatchId>(17));
    EXPECT_EQ(form->colorModel().CurrentColor(), 0);
    EXPECT_EQ(text("txtColor4"), QStringLiteral("#000000"));
}

TEST(MainWindowSaveFailure, TellsTheUserOnceAndKeepsTheColour)
{
    QStandardPaths::setTestModeEnabled(true);
    QTemporaryDir dir;
    QFile blocker(dir.filePath(QStringLiteral("file")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    // Both folders lie below a regular file: nothing can be written there.
    MainWindow form(dir.filePath(QStringLiteral("file/program")), dir.filePath(QStringLiteral("file/user")));
    QStringList messages;
    form.setMessageHook([&](const QString&, const QString& text) { messages << text; });
    form.Load();
    form.togglePaletteView();
    form.palettePanel().addColorToPalette();
    form.palettePanel().addColorToPalette();
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0].contains(QStringLiteral("usercolors.cps"))) << messages[0].toStdString();
    EXPECT_EQ(form.palettes().CustomColors()[1], form.surface().Point(17, 17));
}

} // namespace
} // namespace tintora::testing
