// SPDX-License-Identifier: MIT
// The main window's controls as plain Qt widgets would place them: kind,
// container (empty: the window), design name, shown at start, geometry,
// font size and weight, text, and for lists the number of entries. Taken
// from the window as it stands after its start-up sequence; the bench
// programs rebuild it from this table to compare start-up costs.
#pragma once

namespace bench {

enum class Kind { Button, Group, Label, Swatch, Panel, Radio, Field, Combo };

struct Control {
    Kind kind;
    const char* container;
    const char* name;
    bool shown;
    int x, y, w, h;
    double points;
    bool bold;
    const char* text;
    int items;
};

inline constexpr Control kMainWindowControls[] = {
    {Kind::Button, "", "Command1", true, 304, 4, 83, 59, 8.25, true, "Keep", 0},
    {Kind::Button, "", "Command3", true, 392, 4, 83, 59, 8.25, true, "Presets", 0},
    {Kind::Group, "", "Frame1", true, 300, 64, 177, 59, 8.25, true, "", 0},
    {Kind::Label, "Frame1", "Label1", true, 8, 10, 31, 13, 8.25, true, "New", 0},
    {Kind::Swatch, "Frame1", "lblSelColor", true, 8, 24, 77, 29, 8.25, true, "", 0},
    {Kind::Label, "Frame1", "Label3", true, 148, 8, 23, 13, 8.25, true, "Old", 0},
    {Kind::Swatch, "Frame1", "Label2", true, 88, 24, 81, 29, 8.25, true, "", 0},
    {Kind::Panel, "", "Frame2", true, 300, 112, 173, 149, 8.25, true, "", 0},
    {Kind::Radio, "Frame2", "optH", true, 0, 34, 35, 17, 8.25, false, "H:", 0},
    {Kind::Field, "Frame2", "txtH", true, 36, 32, 49, 19, 8.25, false, "0", 0},
    {Kind::Label, "Frame2", "lblH", true, 88, 32, 11, 11, 12.0, false, "\u00B0", 0},
    {Kind::Label, "Frame2", "lblR", true, 104, 36, 17, 15, 8.25, true, "R:", 0},
    {Kind::Field, "Frame2", "Text1", true, 120, 32, 49, 19, 8.25, true, "255", 0},
    {Kind::Radio, "Frame2", "optS", true, 0, 54, 43, 17, 8.25, false, "S:", 0},
    {Kind::Field, "Frame2", "txtS", true, 36, 52, 49, 19, 8.25, true, "100", 0},
    {Kind::Label, "Frame2", "lblS", true, 88, 52, 11, 13, 8.25, false, "%", 0},
    {Kind::Label, "Frame2", "lblG", true, 103, 54, 19, 15, 8.25, true, "G:", 0},
    {Kind::Field, "Frame2", "Text2", true, 120, 52, 49, 19, 8.25, true, "0", 0},
    {Kind::Radio, "Frame2", "optB", true, 0, 74, 45, 17, 8.25, false, "B:", 0},
    {Kind::Field, "Frame2", "txtB", true, 36, 75, 49, 19, 8.25, true, "100", 0},
    {Kind::Label, "Frame2", "lblBB", true, 88, 72, 13, 17, 8.25, false, "%", 0},
    {Kind::Label, "Frame2", "lblB", true, 104, 74, 21, 15, 8.25, true, "B:", 0},
    {Kind::Field, "Frame2", "Text3", true, 120, 72, 49, 19, 8.25, true, "0", 0},
    {Kind::Panel, "", "Frame3", false, 296, 112, 181, 101, 8.25, true, "", 0},
    {Kind::Swatch, "Frame3", "lblADDColor", false, 8, 48, 169, 39, 8.25, true, "", 0},
    {Kind::Combo, "", "cmbPreset", false, 304, 128, 171, 21, 8.25, false, "", 2},
    {Kind::Button, "", "cmdADD", false, 304, 200, 171, 59, 8.25, true, "Add", 0},
    {Kind::Group, "", "Frame5", true, 4, 264, 473, 45, 8.25, true, "Color History", 0},
    {Kind::Swatch, "Frame5", "hist0", true, 20, 16, 21, 21, 8.25, true, "", 0},
    {Kind::Swatch, "Frame5", "hist1", true, 44, 16, 21, 21, 8.25, true, "", 0},
    {Kind::Swatch, "Frame5", "hist2", true, 68, 16, 21, 21, 8.25, true, "", 0},
    {Kind::Swatch, "Frame5", "hist3", true, 92, 16, 21, 21, 8.25, true, "", 0},
    {Kind::Swatch, "Frame5", "hist4", true, 116, 16, 21, 21, 8.25, true, "", 0},
    {Kind::Swatch, "Frame5", "hist5", true, 140, 16, 21, 21, 8.25, true, "", 0},
    {Kind::Swatch, "Frame5", "hist6", true, 164, 16, 21, 21, 8.25, true, "", 0},
    {Kind::Swatch, "Frame5", "hist7", true, 188, 16, 21, 21, 8.25, true, "", 0},
    {Kind::Swatch, "Frame5", "hist8", true, 212, 16, 21, 21, 8.25, true, "", 0},
    {Kind::Swatch, "Frame5", "hist9", true, 236, 16, 21, 21, 8.25, true, "", 0},
    {Kind::Swatch, "Frame5", "hist10", true, 260, 16, 21, 21, 8.25, true, "", 0},
    {Kind::Swatch, "Frame5", "hist11", true, 284, 16, 21, 21, 8.25, true, "", 0},
    {Kind::Swatch, "Frame5", "hist12", true, 308, 16, 21, 21, 8.25, true, "", 0},
    {Kind::Swatch, "Frame5", "hist13", true, 332, 16, 21, 21, 8.25, true, "", 0},
    {Kind::Swatch, "Frame5", "hist14", true, 356, 16, 21, 21, 8.25, true, "", 0},
    {Kind::Swatch, "Frame5", "hist15", true, 380, 16, 21, 21, 8.25, true, "", 0},
    {Kind::Swatch, "Frame5", "hist16", true, 404, 16, 21, 21, 8.25, true, "", 0},
    {Kind::Swatch, "Frame5", "hist17", true, 428, 16, 21, 21, 8.25, true, "", 0},
    {Kind::Group, "", "Frame4", true, 4, 312, 473, 85, 8.25, true, "Color Outputs", 0},
    {Kind::Label, "Frame4", "lblCap1", true, 4, 16, 103, 13, 8.25, true, "RGB Color Code:", 0},
    {Kind::Label, "Frame4", "lblCap2", true, 240, 16, 130, 13, 8.25, true, "Decimal Color Code:", 0},
    {Kind::Field, "Frame4", "txtColor2", true, 4, 28, 167, 19, 8.25, false, "RGB(255, 255, 255)", 0},
    {Kind::Button, "Frame4", "cmdCopy0", true, 176, 24, 53, 21, 8.25, true, "Copy", 0},
    {Kind::Field, "Frame4", "txtColor3", true, 240, 28, 167, 19, 8.25, false, "16777215", 0},
    {Kind::Button, "Frame4", "cmdCopy2", true, 412, 24, 57, 21, 8.25, true, "Copy", 0},
    {Kind::Label, "Frame4", "lblCap3", true, 4, 48, 112, 13, 8.25, true, "HTML Color Code:", 0},
    {Kind::Label, "Frame4", "lblCap4", true, 240, 48, 123, 13, 8.25, true, "VB Hex Color Code:", 0},
    {Kind::Field, "Frame4", "txtColor4", true, 4, 60, 167, 19, 8.25, false, "#FFFF00", 0},
    {Kind::Button, "Frame4", "cmdCopy1", true, 176, 56, 53, 21, 8.25, true, "Copy", 0},
    {Kind::Field, "Frame4", "txtColor5", true, 240, 60, 167, 19, 8.25, false, "&H00FFFF&", 0},
    {Kind::Button, "Frame4", "cmdCopy3", true, 412, 60, 57, 21, 8.25, true, "Copy", 0},
    {Kind::Label, "Frame4", "lblCap0", false, 88, 32, 70, 13, 8.25, true, "QBColor Code:", 0},
    {Kind::Field, "Frame4", "txtColor1", false, 60, 28, 107, 19, 8.25, false, "QBColor(15)", 0},
    {Kind::Button, "", "Command5", true, 4, 400, 233, 45, 8.25, true, "About this software", 0},
    {Kind::Button, "", "Command4", true, 244, 400, 233, 45, 8.25, true, "Visit www.varnholtsoftware.example",
     0},
    {Kind::Field, "", "txtColor0", false, 636, 504, 100, 19, 8.25, false, "vbConst", 0},
    {Kind::Field, "", "txtColor6", false, 436, 524, 100, 19, 8.25, false, "vbButtonFace", 0},
    {Kind::Field, "", "txtColor7", false, 436, 546, 100, 19, 8.25, false, "&H8000000F&", 0},
    {Kind::Combo, "", "cboSysColors", false, 532, 432, 145, 21, 8.25, true, "", 25},
    {Kind::Button, "", "Command2", false, 516, 304, 83, 33, 8.25, true, "&Cancel", 0},
};

} // namespace bench
