<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>Artwork</name>
    <message>
        <source>Pick, mix and copy colours</source>
        <translation>Farben wählen, mischen und kopieren</translation>
    </message>
    <message>
        <source>Starting…</source>
        <translation>Startet…</translation>
    </message>
</context>
<context>
    <name>BrowserModule</name>
    <message>
        <source>running as root, so the built-in browser shows no web pages; the address is shown to copy instead</source>
        <translation>läuft als root, daher zeigt der eingebaute Browser keine Webseiten; stattdessen wird die Adresse zum Kopieren gezeigt</translation>
    </message>
    <message>
        <source>the browser window could not be made: %1</source>
        <translation>das Browserfenster konnte nicht erstellt werden: %1</translation>
    </message>
</context>
<context>
    <name>ClipboardHolder</name>
    <message>
        <source>there is no text to keep</source>
        <translation>es gibt keinen Text zum Aufbewahren</translation>
    </message>
    <message>
        <source>the text is too long to keep (more than 64 KiB)</source>
        <translation>der Text ist zu lang zum Aufbewahren (mehr als 64 KiB)</translation>
    </message>
    <message>
        <source>%1 is not installed beside the program</source>
        <translation>%1 ist nicht neben dem Programm installiert</translation>
    </message>
    <message>
        <source>cannot start %1: %2</source>
        <translation>%1 kann nicht gestartet werden: %2</translation>
    </message>
    <message>
        <source>there is no X display to keep it on</source>
        <translation>es gibt kein X-Display, auf dem er bleiben kann</translation>
    </message>
    <message>
        <source>%1 did not answer</source>
        <translation>%1 hat nicht geantwortet</translation>
    </message>
    <message>
        <source>%1 could not take the clipboard</source>
        <translation>%1 konnte die Zwischenablage nicht übernehmen</translation>
    </message>
</context>
<context>
    <name>ClipboardWriter</name>
    <message>
        <source>the copied text could not be kept on the clipboard: %1</source>
        <translation>der kopierte Text konnte nicht in der Zwischenablage bleiben: %1</translation>
    </message>
</context>
<context>
    <name>ColorEntry</name>
    <message>
        <source>Not an RGB colour code (RGB(r, g, b), 0 to 255 each)</source>
        <translation>Kein RGB-Farbcode (RGB(r, g, b), je 0 bis 255)</translation>
    </message>
    <message>
        <source>Not a decimal colour value (0 to 16777215)</source>
        <translation>Kein dezimaler Farbwert (0 bis 16777215)</translation>
    </message>
    <message>
        <source>Not an HTML colour code (#RRGGBB or #RGB)</source>
        <translation>Kein HTML-Farbcode (#RRGGBB oder #RGB)</translation>
    </message>
    <message>
        <source>Not a VB hex colour code (&amp;HBBGGRR&amp;)</source>
        <translation>Kein VB-Hex-Farbcode (&amp;HBBGGRR&amp;)</translation>
    </message>
    <message>
        <source>The clipboard holds no colour</source>
        <translation>Die Zwischenablage enthält keine Farbe</translation>
    </message>
    <message>
        <source>Read as the decimal value %1; for the hex colour, type #%1</source>
        <translation>Als Dezimalwert %1 gelesen; für die Hex-Farbe #%1 eingeben</translation>
    </message>
    <message>
        <source>Alpha %1 % not kept</source>
        <translation>Alpha %1 % nicht übernommen</translation>
    </message>
    <message>
        <source>Outside sRGB: mapped</source>
        <translation>Außerhalb von sRGB: angepasst</translation>
    </message>
</context>
<context>
    <name>ColorFormat</name>
    <message>
        <source>#RRGGBB (HTML)</source>
        <translation>#RRGGBB (HTML)</translation>
    </message>
    <message>
        <source>#rrggbb (lower case)</source>
        <translation>#rrggbb (Kleinbuchstaben)</translation>
    </message>
    <message>
        <source>#rgb (short)</source>
        <translation>#rgb (kurz)</translation>
    </message>
    <message>
        <source>RGB(r, g, b) (BASIC)</source>
        <translation>RGB(r, g, b) (BASIC)</translation>
    </message>
    <message>
        <source>CSS rgb()</source>
        <translation>CSS rgb()</translation>
    </message>
    <message>
        <source>CSS hsl()</source>
        <translation>CSS hsl()</translation>
    </message>
    <message>
        <source>CSS rgb() (space syntax)</source>
        <translation>CSS rgb() (Leerzeichen-Syntax)</translation>
    </message>
    <message>
        <source>CSS hsl() (space syntax)</source>
        <translation>CSS hsl() (Leerzeichen-Syntax)</translation>
    </message>
    <message>
        <source>CSS hwb()</source>
        <translation>CSS hwb()</translation>
    </message>
    <message>
        <source>CSS lab()</source>
        <translation>CSS lab()</translation>
    </message>
    <message>
        <source>CSS lch()</source>
        <translation>CSS lch()</translation>
    </message>
    <message>
        <source>CSS oklab()</source>
        <translation>CSS oklab()</translation>
    </message>
    <message>
        <source>CSS oklch()</source>
        <translation>CSS oklch()</translation>
    </message>
    <message>
        <source>CSS color(display-p3)</source>
        <translation>CSS color(display-p3)</translation>
    </message>
    <message>
        <source>#rrggbbaa</source>
        <translation>#rrggbbaa</translation>
    </message>
    <message>
        <source>HSB triple (degrees, %, %)</source>
        <translation>HSB-Tripel (Grad, %, %)</translation>
    </message>
    <message>
        <source>QColor(r, g, b)</source>
        <translation>QColor(r, g, b)</translation>
    </message>
    <message>
        <source>Color.FromArgb(r, g, b)</source>
        <translation>Color.FromArgb(r, g, b)</translation>
    </message>
    <message>
        <source>Delphi $00BBGGRR</source>
        <translation>Delphi $00BBGGRR</translation>
    </message>
    <message>
        <source>&amp;HBBGGRR&amp; (BASIC)</source>
        <translation>&amp;HBBGGRR&amp; (BASIC)</translation>
    </message>
    <message>
        <source>Decimal, BGR order (red low)</source>
        <translation>Dezimal, BGR-Reihenfolge (Rot unten)</translation>
    </message>
    <message>
        <source>Decimal, RGB order (red high)</source>
        <translation>Dezimal, RGB-Reihenfolge (Rot oben)</translation>
    </message>
    <message>
        <source>0xAARRGGBB (Android, Flutter)</source>
        <translation>0xAARRGGBB (Android, Flutter)</translation>
    </message>
    <message>
        <source>a template of %1 characters is too long (at most %2)</source>
        <translation>eine Vorlage mit %1 Zeichen ist zu lang (höchstens %2)</translation>
    </message>
    <message>
        <source>control character at position %1 of the template</source>
        <translation>Steuerzeichen an Position %1 der Vorlage</translation>
    </message>
    <message>
        <source>unclosed &apos;{&apos; at position %1; write {{ for a literal brace</source>
        <translation>nicht geschlossenes &apos;{&apos; an Position %1; für eine geschweifte Klammer als Zeichen {{ schreiben</translation>
    </message>
    <message>
        <source>unknown placeholder {%1}; expected one of %2</source>
        <translation>unbekannter Platzhalter {%1}; erwartet wird einer von %2</translation>
    </message>
    <message>
        <source>unpaired &apos;}&apos; at position %1; write }} for a literal brace</source>
        <translation>einzelnes &apos;}&apos; an Position %1; für eine geschweifte Klammer als Zeichen }} schreiben</translation>
    </message>
    <message>
        <source>the template has no placeholder; expected one of %1</source>
        <translation>die Vorlage enthält keinen Platzhalter; erwartet wird einer von %1</translation>
    </message>
    <message>
        <source>unknown format &apos;%1&apos;; expected one of %2, or a template such as &apos;{r}, {g}, {b}&apos; or &apos;0x{HEX}&apos;</source>
        <translation>unbekanntes Format &apos;%1&apos;; erwartet wird eines von %2 oder eine Vorlage wie &apos;{r}, {g}, {b}&apos; oder &apos;0x{HEX}&apos;</translation>
    </message>
    <message>
        <source>%1 has no exact #rgb form; every channel must be a doubled digit (00, 11, ..., FF)</source>
        <translation>%1 hat keine exakte #rgb-Form; jeder Kanal muss eine doppelte Ziffer sein (00, 11, ..., FF)</translation>
    </message>
</context>
<context>
    <name>ColorLines</name>
    <message>
        <source>a line of %1 characters is too long for a colour (at most %2)</source>
        <translation>eine Zeile mit %1 Zeichen ist für eine Farbe zu lang (höchstens %2)</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
</context>
<context>
    <name>ColorNotation</name>
    <message>
        <source>%1; %2</source>
        <translation>%1; %2</translation>
    </message>
    <message>
        <source>expected a colour: #RRGGBB, #RGB, rgb(), hsl(), hwb(), lab(), lch(), oklab(), oklch(), color(), a CSS colour name, 0xRRGGBB, &amp;HBBGGRR&amp; or a decimal value 0..16777215</source>
        <translation>erwartet wird eine Farbe: #RRGGBB, #RGB, rgb(), hsl(), hwb(), lab(), lch(), oklab(), oklch(), color(), ein CSS-Farbname, 0xRRGGBB, &amp;HBBGGRR&amp; oder ein Dezimalwert 0..16777215</translation>
    </message>
    <message>
        <source>byte 0x%1</source>
        <translation>Byte 0x%1</translation>
    </message>
    <message>
        <source>%1 is not a hexadecimal digit</source>
        <translation>%1 ist keine Hexadezimalziffer</translation>
    </message>
    <message>
        <source>expected #RGB, #RGBA, #RRGGBB or #RRGGBBAA</source>
        <translation>erwartet wird #RGB, #RGBA, #RRGGBB oder #RRGGBBAA</translation>
    </message>
    <message>
        <source>%1 hexadecimal digits</source>
        <translation>%1 Hexadezimalziffern</translation>
    </message>
    <message>
        <source>expected 0xRRGGBB or 0xAARRGGBB</source>
        <translation>erwartet wird 0xRRGGBB oder 0xAARRGGBB</translation>
    </message>
    <message>
        <source>%1 hexadecimal digits after 0x</source>
        <translation>%1 Hexadezimalziffern nach 0x</translation>
    </message>
    <message>
        <source>expected a Delphi colour $00BBGGRR</source>
        <translation>erwartet wird eine Delphi-Farbe $00BBGGRR</translation>
    </message>
    <message>
        <source>$%1 is a system or palette colour (high byte not 00)</source>
        <translation>$%1 ist eine System- oder Palettenfarbe (oberstes Byte nicht 00)</translation>
    </message>
    <message>
        <source>%1 hexadecimal digits after $</source>
        <translation>%1 Hexadezimalziffern nach $</translation>
    </message>
    <message>
        <source>%1 is beyond 16777215 (&amp;HFFFFFF&amp;); expected a plain colour value</source>
        <translation>%1 liegt über 16777215 (&amp;HFFFFFF&amp;); erwartet wird ein einfacher Farbwert</translation>
    </message>
    <message>
        <source>expected &amp;HBBGGRR&amp; with hexadecimal digits up to &amp;HFFFFFF&amp;</source>
        <translation>erwartet wird &amp;HBBGGRR&amp; mit Hexadezimalziffern bis &amp;HFFFFFF&amp;</translation>
    </message>
    <message>
        <source>no digits after &amp;H</source>
        <translation>keine Ziffern nach &amp;H</translation>
    </message>
    <message>
        <source>more than eight hexadecimal digits</source>
        <translation>mehr als acht Hexadezimalziffern</translation>
    </message>
    <message>
        <source>the decimal value %1 is beyond 16777215; expected a decimal value 0..16777215</source>
        <translation>der Dezimalwert %1 liegt über 16777215; erwartet wird ein Dezimalwert 0..16777215</translation>
    </message>
    <message>
        <source>too many values</source>
        <translation>zu viele Werte</translation>
    </message>
    <message>
        <source>the number %1 is beyond range</source>
        <translation>die Zahl %1 liegt außerhalb des Wertebereichs</translation>
    </message>
    <message>
        <source>nested functions such as %1) are not read</source>
        <translation>verschachtelte Funktionen wie %1) werden nicht gelesen</translation>
    </message>
    <message>
        <source>unbalanced parentheses</source>
        <translation>unausgeglichene Klammern</translation>
    </message>
    <message>
        <source>%1 is not part of a colour function</source>
        <translation>%1 gehört nicht in eine Farbfunktion</translation>
    </message>
    <message>
        <source>%1 is not an alpha value</source>
        <translation>%1 ist kein Alphawert</translation>
    </message>
    <message>
        <source>only %1 of three values</source>
        <translation>nur %1 von drei Werten</translation>
    </message>
    <message>
        <source>%1 is not a valid value %2</source>
        <translation>%1 ist kein gültiger Wert %2</translation>
    </message>
    <message>
        <source>unexpected %1 after three values</source>
        <translation>unerwartetes %1 nach drei Werten</translation>
    </message>
    <message>
        <source>no alpha after &apos;/&apos;</source>
        <translation>kein Alphawert nach &apos;/&apos;</translation>
    </message>
    <message>
        <source>unexpected text after the alpha</source>
        <translation>unerwarteter Text nach dem Alphawert</translation>
    </message>
    <message>
        <source>the comma syntax takes three values and an optional alpha</source>
        <translation>die Schreibweise mit Kommas nimmt drei Werte und optional einen Alphawert</translation>
    </message>
    <message>
        <source>commas and blanks mixed as separators</source>
        <translation>Kommas und Leerzeichen als Trennzeichen gemischt</translation>
    </message>
    <message>
        <source>the comma syntax of hsl() takes a hue and two percentages</source>
        <translation>die Schreibweise von hsl() mit Kommas nimmt einen Farbton und zwei Prozentwerte</translation>
    </message>
    <message>
        <source>the comma syntax of rgb() takes three numbers or three percentages</source>
        <translation>die Schreibweise von rgb() mit Kommas nimmt drei Zahlen oder drei Prozentwerte</translation>
    </message>
    <message>
        <source>expected color(SPACE c1 c2 c3[ / alpha]) with SPACE srgb, srgb-linear, display-p3, a98-rgb, prophoto-rgb, rec2020, xyz, xyz-d50 or xyz-d65</source>
        <translation>erwartet wird color(SPACE c1 c2 c3[ / alpha]) mit SPACE srgb, srgb-linear, display-p3, a98-rgb, prophoto-rgb, rec2020, xyz, xyz-d50 oder xyz-d65</translation>
    </message>
    <message>
        <source>no colour space</source>
        <translation>kein Farbraum</translation>
    </message>
    <message>
        <source>the custom colour space %1 needs the page&apos;s @color-profile</source>
        <translation>der eigene Farbraum %1 braucht das @color-profile der Seite</translation>
    </message>
    <message>
        <source>commas in color()</source>
        <translation>Kommas in color()</translation>
    </message>
    <message>
        <source>%1 is not a colour space</source>
        <translation>%1 ist kein Farbraum</translation>
    </message>
    <message>
        <source>expected %1(r g b[ / alpha]) or rgb(r, g, b[, alpha])</source>
        <translation>erwartet wird %1(r g b[ / alpha]) oder rgb(r, g, b[, alpha])</translation>
    </message>
    <message>
        <source>expected %1(h s l[ / alpha]) or hsl(h, s%, l%[, alpha])</source>
        <translation>erwartet wird %1(h s l[ / alpha]) oder hsl(h, s%, l%[, alpha])</translation>
    </message>
    <message>
        <source>expected %1(v1 v2 v3[ / alpha])</source>
        <translation>erwartet wird %1(v1 v2 v3[ / alpha])</translation>
    </message>
    <message>
        <source>%1() takes no commas</source>
        <translation>%1() nimmt keine Kommas</translation>
    </message>
    <message>
        <source>%1 is not a colour function</source>
        <translation>%1 ist keine Farbfunktion</translation>
    </message>
    <message>
        <source>expected QColor(r, g, b), QColor(r, g, b, a) with each 0..255, or QColor(&quot;#RRGGBB&quot;)</source>
        <translation>erwartet wird QColor(r, g, b), QColor(r, g, b, a) mit je 0..255 oder QColor(&quot;#RRGGBB&quot;)</translation>
    </message>
    <message>
        <source>expected Color.FromArgb(r, g, b) or Color.FromArgb(a, r, g, b) with each 0..255</source>
        <translation>erwartet wird Color.FromArgb(r, g, b) oder Color.FromArgb(a, r, g, b) mit je 0..255</translation>
    </message>
    <message>
        <source>currentcolor is the colour of the text around it and needs a page; expected a colour that stands alone</source>
        <translation>currentcolor ist die Farbe des umgebenden Textes und braucht eine Seite; erwartet wird eine Farbe, die für sich allein steht</translation>
    </message>
    <message>
        <source>%1 is a system colour, which a browser takes from the page&apos;s theme; expected a colour that stands alone</source>
        <translation>%1 ist eine Systemfarbe, die ein Browser aus dem Design der Seite nimmt; erwartet wird eine Farbe, die für sich allein steht</translation>
    </message>
    <message>
        <source>%1 is not a CSS colour name</source>
        <translation>%1 ist kein CSS-Farbname</translation>
    </message>
    <message>
        <source>no text</source>
        <translation>kein Text</translation>
    </message>
    <message>
        <source>expected Color(0xAARRGGBB) with eight hexadecimal digits</source>
        <translation>erwartet wird Color(0xAARRGGBB) mit acht Hexadezimalziffern</translation>
    </message>
    <message>
        <source>a negative number; expected a decimal value 0..16777215</source>
        <translation>eine negative Zahl; erwartet wird ein Dezimalwert 0..16777215</translation>
    </message>
    <message>
        <source>text of %1 characters is too long for a colour (at most %2)</source>
        <translation>ein Text aus %1 Zeichen ist zu lang für eine Farbe (höchstens %2)</translation>
    </message>
    <message>
        <source>control character %1 at position %2</source>
        <translation>Steuerzeichen %1 an Position %2</translation>
    </message>
    <message>
        <source>more than one line</source>
        <translation>mehr als eine Zeile</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Print the colour VALUE as its RGB call, decimal value, HTML code and BASIC hex constant, one per line, and exit. VALUE is any notation that can be pasted into the window: every CSS Color 4 colour (#RGB, #RRGGBBAA, rgb(), hsl(), hwb(), lab(), lch(), oklab(), oklch(), color(), names), 0xRRGGBB, 0xAARRGGBB, QColor(), Color.FromArgb(), $00BBGGRR, RGB(r, g, b), &amp;HBBGGRR&amp;, a decimal value 0..16777215, or a source line such as &apos;color: red;&apos;. All digits are a decimal value. Alpha is dropped and colours outside sRGB are gamut mapped. VALUE - reads one colour a line from standard input and writes one result a line (the HTML code, or --format); a bad line is named on standard error, gives an empty output line and exit status 2, and the other lines are still converted.</source>
        <translation>Die Farbe VALUE als RGB-Aufruf, Dezimalwert, HTML-Code und BASIC-Hex-Konstante ausgeben, eine je Zeile, und beenden. VALUE ist jede Schreibweise, die auch ins Fenster eingefügt werden kann: jede Farbe aus CSS Color 4 (#RGB, #RRGGBBAA, rgb(), hsl(), hwb(), lab(), lch(), oklab(), oklch(), color(), Namen), 0xRRGGBB, 0xAARRGGBB, QColor(), Color.FromArgb(), $00BBGGRR, RGB(r, g, b), &amp;HBBGGRR&amp;, ein Dezimalwert 0..16777215 oder eine Quelltextzeile wie &apos;color: red;&apos;. Reine Ziffern sind ein Dezimalwert. Alpha wird verworfen, Farben außerhalb von sRGB werden in den Farbraum abgebildet. VALUE - liest eine Farbe je Zeile von der Standardeingabe und schreibt ein Ergebnis je Zeile (den HTML-Code oder --format); eine fehlerhafte Zeile wird auf der Standardfehlerausgabe genannt, ergibt eine leere Ausgabezeile und den Exit-Status 2, die übrigen Zeilen werden trotzdem umgewandelt.</translation>
    </message>
    <message>
        <source>With --color or --pick, print one notation instead: one of %1; or a template such as &apos;{r}, {g}, {b}&apos; or &apos;0x{HEX}&apos; with the placeholders %2 ({{ and }} for braces).</source>
        <translation>Mit --color oder --pick stattdessen eine Schreibweise ausgeben: eine von %1; oder eine Vorlage wie &apos;{r}, {g}, {b}&apos; oder &apos;0x{HEX}&apos; mit den Platzhaltern %2 ({{ und }} für geschweifte Klammern).</translation>
    </message>
    <message>
        <source>Write the 224 custom colours to FILE and exit: a GIMP palette (.gpl), CSS custom properties (.css), a list of hex codes (.txt, .hex) or Adobe Swatch Exchange (.ase).</source>
        <translation>Die 224 eigenen Farben in FILE schreiben und beenden: eine GIMP-Palette (.gpl), CSS Custom Properties (.css), eine Liste von Hex-Codes (.txt, .hex) oder Adobe Swatch Exchange (.ase).</translation>
    </message>
    <message>
        <source>Read FILE (.gpl, .ase, .css, .txt or .hex) into the custom colours from cell 1 on, save them, say where they went and exit. A malformed file changes nothing.</source>
        <translation>FILE (.gpl, .ase, .css, .txt oder .hex) ab Zelle 1 in die eigenen Farben lesen, sie speichern, sagen, wohin sie kamen, und beenden. Eine fehlerhafte Datei ändert nichts.</translation>
    </message>
    <message>
        <source>read as the decimal value %1; for the hex colour, type #%1</source>
        <translation>als Dezimalwert %1 gelesen; für die Hex-Farbe #%1 eingeben</translation>
    </message>
    <message>
        <source>%1: &apos;%2&apos; has an unknown file type; expected a .gpl, .ase, .css, .txt or .hex file</source>
        <translation>%1: &apos;%2&apos; hat einen unbekannten Dateityp; erwartet wird eine .gpl-, .ase-, .css-, .txt- oder .hex-Datei</translation>
    </message>
    <message>
        <source>%1 custom colours</source>
        <translation>%1 eigene Farben</translation>
    </message>
    <message>
        <source>
Examples:
  %1 --color &apos;#66CCFF&apos;                   the four codes of a colour
  %1 --color &apos;rgb(255, 128, 0)&apos; --format css-hsl
  %1 --color rebeccapurple --format &apos;0x{HEX}&apos;
  %1 --color 65535 --format &apos;{r}, {g}, {b}&apos;
  %1 --color &apos;color: oklch(70% 0.15 250);&apos; --format hex-lower
  %1 --color - --format oklch &lt;colours.txt   one colour a line
  %1 --pick --format hex-lower           pick from the screen, print #rrggbb
  %1 --export-palette colours.gpl        for GIMP, Inkscape, Krita
  %1 --import-palette colours.gpl
  %1 --contrast &apos;#767676&apos; white          WCAG 2 ratio and APCA Lc
  %1 --color orange --simulate deuteranopia --format hex-lower

Exit status: 0 done, 1 a file or format failed, 2 a bad value or option.
</source>
        <translation>
Beispiele:
  %1 --color &apos;#66CCFF&apos;                   die vier Codes einer Farbe
  %1 --color &apos;rgb(255, 128, 0)&apos; --format css-hsl
  %1 --color rebeccapurple --format &apos;0x{HEX}&apos;
  %1 --color 65535 --format &apos;{r}, {g}, {b}&apos;
  %1 --color &apos;color: oklch(70% 0.15 250);&apos; --format hex-lower
  %1 --color - --format oklch &lt;farben.txt    eine Farbe je Zeile
  %1 --pick --format hex-lower           vom Bildschirm wählen, #rrggbb ausgeben
  %1 --export-palette farben.gpl         für GIMP, Inkscape, Krita
  %1 --import-palette farben.gpl
  %1 --contrast &apos;#767676&apos; white          WCAG-2-Verhältnis und APCA-Lc
  %1 --color orange --simulate deuteranopia --format hex-lower

Exit-Status: 0 erledigt, 1 eine Datei oder ein Format schlug fehl, 2 ein falscher Wert oder eine falsche Option.
</translation>
    </message>
    <message>
        <source>give only one of --color, --pick, --export-palette and --import-palette</source>
        <translation>nur eine der Optionen --color, --pick, --export-palette und --import-palette angeben</translation>
    </message>
    <message>
        <source>--format needs --color VALUE or --pick</source>
        <translation>--format braucht --color VALUE oder --pick</translation>
    </message>
    <message>
        <source>--copy needs --color VALUE or --pick</source>
        <translation>--copy braucht --color VALUE oder --pick</translation>
    </message>
    <message>
        <source>a write failed</source>
        <translation>ein Schreibvorgang schlug fehl</translation>
    </message>
    <message>
        <source>cannot write the output: %1</source>
        <translation>die Ausgabe kann nicht geschrieben werden: %1</translation>
    </message>
    <message>
        <source> - a colour picker for web pages and BASIC programs</source>
        <translation> - ein Farbwähler für Webseiten und BASIC-Programme</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Diese Hilfe zeigen und beenden.</translation>
    </message>
    <message>
        <source>Show the product name and version and exit.</source>
        <translation>Produktname und Version zeigen und beenden.</translation>
    </message>
    <message>
        <source>Start, save a PNG of the main window to FILE once it has painted, and quit.</source>
        <translation>Starten, ein PNG des Hauptfensters in FILE speichern, sobald es gezeichnet ist, und beenden.</translation>
    </message>
    <message>
        <source>Open the main window without the splash.</source>
        <translation>Das Hauptfenster ohne Startbild öffnen.</translation>
    </message>
    <message>
        <source>Pick a colour from the screen, print its HTML code (#RRGGBB) and exit: 0 after a pick, 1 after a cancel, 3 when no colour can be picked (no display to pick from, a screen that cannot be read).</source>
        <translation>Eine Farbe vom Bildschirm wählen, ihren HTML-Code (#RRGGBB) ausgeben und beenden: 0 nach einer Wahl, 1 nach einem Abbruch, 3 wenn keine Farbe gewählt werden kann (keine Anzeige zum Wählen, ein Bildschirm, der nicht gelesen werden kann).</translation>
    </message>
    <message>
        <source>Try &apos;%1 --help&apos;.</source>
        <translation>Siehe &apos;%1 --help&apos;.</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>unerwartetes Argument &apos;%1&apos;</translation>
    </message>
    <message>
        <source>cannot write the screenshot to %1: %2</source>
        <translation>das Bildschirmfoto kann nicht nach %1 geschrieben werden: %2</translation>
    </message>
    <message>
        <source>cannot write the screenshot to %1</source>
        <translation>das Bildschirmfoto kann nicht nach %1 geschrieben werden</translation>
    </message>
    <message>
        <source>With --color or --pick, also put the result on the clipboard: the --format text, else the HTML code. On X11 a small helper process keeps it there after exit, until another program copies. One colour only: with --color - it is refused (exit status 2).</source>
        <translation>Mit --color oder --pick das Ergebnis auch in die Zwischenablage legen: den Text von --format, sonst den HTML-Code. Unter X11 hält ein kleiner Hilfsprozess ihn dort nach dem Beenden, bis ein anderes Programm kopiert. Nur eine Farbe: mit --color - wird es abgelehnt (Exit-Status 2).</translation>
    </message>
    <message>
        <source>--copy takes one colour; it cannot be used with --color -</source>
        <translation>--copy nimmt eine Farbe; es geht nicht zusammen mit --color -</translation>
    </message>
    <message>
        <source>Print the contrast of TEXT on the colour BACKGROUND that follows it and exit: the WCAG 2 ratio with the levels it passes, and the APCA lightness contrast Lc (positive for dark text on a light background, negative for light on dark). Both are any notation --color reads.</source>
        <translation>Den Kontrast von TEXT auf der danach genannten Farbe BACKGROUND ausgeben und beenden: das WCAG-2-Verhältnis mit den erreichten Stufen und den APCA-Helligkeitskontrast Lc (positiv für dunklen Text auf hellem Grund, negativ für hellen auf dunklem). Beide sind jede Schreibweise, die --color liest.</translation>
    </message>
    <message>
        <source>With --color VALUE, print the colour as seen with the colour-vision deficiency KIND: %1.</source>
        <translation>Mit --color VALUE die Farbe so ausgeben, wie sie mit der Farbsehschwäche KIND gesehen wird: %1.</translation>
    </message>
    <message>
        <source>normal, large</source>
        <translation>normal, groß</translation>
    </message>
    <message>
        <source>large</source>
        <translation>groß</translation>
    </message>
    <message>
        <source>none</source>
        <translation>keine</translation>
    </message>
    <message>
        <source>--contrast needs two colours: TEXT and BACKGROUND</source>
        <translation>--contrast braucht zwei Farben: TEXT und BACKGROUND</translation>
    </message>
    <message>
        <source>WCAG 2: %1 - AA: %2 - AAA: %3</source>
        <translation>WCAG 2: %1 - AA: %2 - AAA: %3</translation>
    </message>
    <message>
        <source>APCA: Lc %1</source>
        <translation>APCA: Lc %1</translation>
    </message>
    <message>
        <source>--contrast takes no other command; give it alone with its two colours</source>
        <translation>--contrast nimmt keinen anderen Befehl; allein mit seinen zwei Farben angeben</translation>
    </message>
    <message>
        <source>--simulate needs --color VALUE</source>
        <translation>--simulate braucht --color VALUE</translation>
    </message>
    <message>
        <source>--simulate: unknown kind &apos;%1&apos;; expected one of %2</source>
        <translation>--simulate: unbekannte Art &apos;%1&apos;; erwartet wird eine von %2</translation>
    </message>
</context>
<context>
    <name>CustomColorsStore</name>
    <message>
        <source>line %1 is longer than %2 bytes</source>
        <translation>Zeile %1 ist länger als %2 Bytes</translation>
    </message>
    <message>
        <source>it is larger than the %1 bytes that are read</source>
        <translation>sie ist größer als die %1 Bytes, die gelesen werden</translation>
    </message>
    <message>
        <source>it has more than %1 lines</source>
        <translation>sie hat mehr als %1 Zeilen</translation>
    </message>
    <message>
        <source>line %1 does not hold a colour value</source>
        <translation>Zeile %1 enthält keinen Farbwert</translation>
    </message>
    <message>
        <source>line %1 holds binary data</source>
        <translation>Zeile %1 enthält Binärdaten</translation>
    </message>
    <message>
        <source>there are already 99 backups of it</source>
        <translation>es gibt schon 99 Sicherungskopien davon</translation>
    </message>
    <message>
        <source>its folder could not be created</source>
        <translation>ihr Ordner konnte nicht angelegt werden</translation>
    </message>
    <message>
        <source>another program is saving it; try again</source>
        <translation>ein anderes Programm speichert sie gerade; bitte erneut versuchen</translation>
    </message>
    <message>
        <source>; the file was not replaced</source>
        <translation>; die Datei wurde nicht ersetzt</translation>
    </message>
    <message>
        <source>it could not be opened</source>
        <translation>sie konnte nicht geöffnet werden</translation>
    </message>
    <message>
        <source>Could not save the custom colours to &quot;%1&quot;: %2.</source>
        <translation>Die eigenen Farben konnten nicht in „%1“ gespeichert werden: %2.</translation>
    </message>
    <message>
        <source>a copy of the old file could not be kept as &quot;%1&quot;</source>
        <translation>eine Kopie der alten Datei konnte nicht als „%1“ aufbewahrt werden</translation>
    </message>
    <message>
        <source>Could not save the custom colours: there is no per-user data folder to keep them in.</source>
        <translation>Die eigenen Farben konnten nicht gespeichert werden: es gibt keinen Datenordner des Benutzers, um sie aufzubewahren.</translation>
    </message>
    <message>
        <source>it is a symbolic link; neither the link nor the file it points to was changed</source>
        <translation>sie ist ein symbolischer Link; weder der Link noch die Datei, auf die er zeigt, wurde geändert</translation>
    </message>
    <message>
        <source>something other than a file (a folder, a pipe or a device) has that name; it was left as it is</source>
        <translation>etwas anderes als eine Datei (ein Ordner, eine Pipe oder ein Gerät) trägt diesen Namen; es blieb unverändert</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be read in full (%2), so the custom colours shown did not all come from it. Before saving over it, the old file was kept as &quot;%3&quot;.</source>
        <translation>„%1“ konnte nicht vollständig gelesen werden (%2), daher stammten nicht alle angezeigten eigenen Farben daraus. Bevor sie überschrieben wurde, wurde die alte Datei als „%3“ aufbewahrt.</translation>
    </message>
</context>
<context>
    <name>DisplayCheck</name>
    <message>
        <source>no display to pick from (%1)</source>
        <translation>keine Anzeige zum Wählen (%1)</translation>
    </message>
    <message>
        <source>the %1 platform has no screen</source>
        <translation>die Plattform %1 hat keinen Bildschirm</translation>
    </message>
    <message>
        <source>neither DISPLAY nor WAYLAND_DISPLAY is set</source>
        <translation>weder DISPLAY noch WAYLAND_DISPLAY ist gesetzt</translation>
    </message>
    <message>
        <source>DISPLAY is not set</source>
        <translation>DISPLAY ist nicht gesetzt</translation>
    </message>
    <message>
        <source>WAYLAND_DISPLAY is not set</source>
        <translation>WAYLAND_DISPLAY ist nicht gesetzt</translation>
    </message>
    <message>
        <source>no answer from </source>
        <translation>keine Antwort von </translation>
    </message>
    <message>
        <source> or </source>
        <translation> oder </translation>
    </message>
</context>
<context>
    <name>FileError</name>
    <message>
        <source>No space left on device</source>
        <translation>Kein Speicherplatz mehr auf dem Gerät</translation>
    </message>
    <message>
        <source>Disk quota exceeded</source>
        <translation>Speicherkontingent überschritten</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>Keine Berechtigung</translation>
    </message>
    <message>
        <source>Operation not permitted</source>
        <translation>Vorgang nicht zulässig</translation>
    </message>
    <message>
        <source>Read-only file system</source>
        <translation>Das Dateisystem ist nur lesbar</translation>
    </message>
    <message>
        <source>Input/output error</source>
        <translation>Ein-/Ausgabefehler</translation>
    </message>
    <message>
        <source>File too large</source>
        <translation>Die Datei ist zu groß</translation>
    </message>
    <message>
        <source>File name too long</source>
        <translation>Der Dateiname ist zu lang</translation>
    </message>
    <message>
        <source>No such file or directory</source>
        <translation>Datei oder Ordner nicht gefunden</translation>
    </message>
    <message>
        <source>Not a directory</source>
        <translation>Kein Ordner</translation>
    </message>
    <message>
        <source>Is a directory</source>
        <translation>Ist ein Ordner</translation>
    </message>
    <message>
        <source>Too many levels of symbolic links</source>
        <translation>Zu viele Ebenen symbolischer Links</translation>
    </message>
    <message>
        <source>Too many open files</source>
        <translation>Zu viele offene Dateien</translation>
    </message>
    <message>
        <source>File exists</source>
        <translation>Die Datei existiert bereits</translation>
    </message>
</context>
<context>
    <name>PaletteExchange</name>
    <message>
        <source>Nothing was imported from %1: %2</source>
        <translation>Aus %1 wurde nichts importiert: %2</translation>
    </message>
    <message>
        <source>Read 1 colour from %1 into cell 1</source>
        <translation>1 Farbe aus %1 in Zelle 1 gelesen</translation>
    </message>
    <message>
        <source>Read %1 colours from %2 into cells 1 to %1</source>
        <translation>%1 Farben aus %2 in die Zellen 1 bis %1 gelesen</translation>
    </message>
    <message>
        <source> (16 per row, left to right).</source>
        <translation> (16 je Reihe, von links nach rechts).</translation>
    </message>
    <message>
        <source> Cells %1 to %2 keep their colours.</source>
        <translation> Die Zellen %1 bis %2 behalten ihre Farben.</translation>
    </message>
    <message>
        <source> The file holds %1 colours; only the first %2 fit, the other %3 were left out.</source>
        <translation> Die Datei enthält %1 Farben; nur die ersten %2 passen, die übrigen %3 wurden ausgelassen.</translation>
    </message>
    <message>
        <source>unknown file type; expected a .gpl, .ase, .css, .txt or .hex file</source>
        <translation>unbekannter Dateityp; erwartet wird eine .gpl-, .ase-, .css-, .txt- oder .hex-Datei</translation>
    </message>
    <message>
        <source>the file does not exist</source>
        <translation>die Datei existiert nicht</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>the file has %1 bytes; palettes of more than %2 bytes are refused</source>
        <translation>die Datei hat %1 Bytes; Paletten mit mehr als %2 Bytes werden abgelehnt</translation>
    </message>
    <message>
        <source>Cannot export to %1: unknown file type; expected a .gpl, .ase, .css, .txt or .hex file</source>
        <translation>Export nach %1 nicht möglich: unbekannter Dateityp; erwartet wird eine .gpl-, .ase-, .css-, .txt- oder .hex-Datei</translation>
    </message>
    <message>
        <source>Cannot export to %1: it is not a regular file.</source>
        <translation>Export nach %1 nicht möglich: keine gewöhnliche Datei.</translation>
    </message>
    <message>
        <source>Cannot export to %1: %2.</source>
        <translation>Export nach %1 nicht möglich: %2.</translation>
    </message>
    <message>
        <source>Exported %1 colours to %2.</source>
        <translation>%1 Farben nach %2 exportiert.</translation>
    </message>
    <message>
        <source>Nothing was imported from %1: the palette could not be saved. %2</source>
        <translation>Aus %1 wurde nichts importiert: die Palette konnte nicht gespeichert werden. %2</translation>
    </message>
    <message>
        <source> Saved to %1.</source>
        <translation> Gespeichert in %1.</translation>
    </message>
    <message>
        <source>not a GIMP palette: the first line must be &quot;GIMP Palette&quot;</source>
        <translation>keine GIMP-Palette: die erste Zeile muss &quot;GIMP Palette&quot; lauten</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
    <message>
        <source>expected red, green and blue as numbers 0..255, then an optional name</source>
        <translation>erwartet Rot, Grün und Blau als Zahlen 0..255, dann wahlweise einen Namen</translation>
    </message>
    <message>
        <source>longer than %1 bytes; expected one colour a line</source>
        <translation>länger als %1 Bytes; erwartet eine Farbe je Zeile</translation>
    </message>
    <message>
        <source>binary data (a control byte); expected a text file</source>
        <translation>Binärdaten (ein Steuerbyte); erwartet eine Textdatei</translation>
    </message>
    <message>
        <source>expected &quot;Columns:&quot; and a number 0..256</source>
        <translation>erwartet &quot;Columns:&quot; und eine Zahl 0..256</translation>
    </message>
    <message>
        <source>expected a custom property such as &quot;--name: #RRGGBB;&quot;</source>
        <translation>erwartet eine benutzerdefinierte Eigenschaft wie &quot;--name: #RRGGBB;&quot;</translation>
    </message>
    <message>
        <source>the palette holds no colour lines (red green blue name)</source>
        <translation>die Palette enthält keine Farbzeilen (Rot Grün Blau Name)</translation>
    </message>
    <message>
        <source>the file holds no colour; expected one colour a line</source>
        <translation>die Datei enthält keine Farbe; erwartet eine Farbe je Zeile</translation>
    </message>
    <message>
        <source>GIMP palette (*.gpl)</source>
        <translation>GIMP-Palette (*.gpl)</translation>
    </message>
    <message>
        <source>CSS custom properties (*.css)</source>
        <translation>Benutzerdefinierte CSS-Eigenschaften (*.css)</translation>
    </message>
    <message>
        <source>List of hex codes (*.txt *.hex)</source>
        <translation>Liste von Hex-Codes (*.txt *.hex)</translation>
    </message>
    <message>
        <source>byte %1: %2</source>
        <translation>Byte %1: %2</translation>
    </message>
    <message>
        <source>not an Adobe Swatch Exchange file; expected it to start with &quot;ASEF&quot;</source>
        <translation>keine Adobe-Swatch-Exchange-Datei; erwartet wird, dass sie mit &quot;ASEF&quot; beginnt</translation>
    </message>
    <message>
        <source>version %1.%2 of the swatch format; expected 1.0</source>
        <translation>Version %1.%2 des Farbfeldformats; erwartet wird 1.0</translation>
    </message>
    <message>
        <source>the file ends inside block %1 of %2; it is truncated</source>
        <translation>die Datei endet in Block %1 von %2; sie ist abgeschnitten</translation>
    </message>
    <message>
        <source>unknown block type 0x%1; expected a colour or a group</source>
        <translation>unbekannter Blocktyp 0x%1; erwartet wird eine Farbe oder eine Gruppe</translation>
    </message>
    <message>
        <source>the name runs past the end of its block</source>
        <translation>der Name reicht über das Ende seines Blocks hinaus</translation>
    </message>
    <message>
        <source>unknown colour model; expected &quot;RGB &quot;, &quot;CMYK&quot;, &quot;LAB &quot; or &quot;Gray&quot;</source>
        <translation>unbekanntes Farbmodell; erwartet wird &quot;RGB &quot;, &quot;CMYK&quot;, &quot;LAB &quot; oder &quot;Gray&quot;</translation>
    </message>
    <message>
        <source>the colour&apos;s values run past the end of its block</source>
        <translation>die Werte der Farbe reichen über das Ende ihres Blocks hinaus</translation>
    </message>
    <message>
        <source>a colour value is not a finite number</source>
        <translation>ein Farbwert ist keine endliche Zahl</translation>
    </message>
    <message>
        <source>the file holds no colour</source>
        <translation>die Datei enthält keine Farbe</translation>
    </message>
    <message>
        <source>CMYK colours were converted without a colour profile, by red = (1 - C)(1 - K) and so on; a printer&apos;s profile would give other colours.</source>
        <translation>CMYK-Farben wurden ohne Farbprofil umgerechnet, mit Rot = (1 - C)(1 - K) und so weiter; das Profil eines Druckers ergäbe andere Farben.</translation>
    </message>
    <message>
        <source>Adobe Swatch Exchange (*.ase)</source>
        <translation>Adobe Swatch Exchange (*.ase)</translation>
    </message>
</context>
<context>
    <name>RtfReader</name>
    <message>
        <source>too large (%1 MiB, limit %2 MiB)</source>
        <translation>zu groß (%1 MiB, Grenze %2 MiB)</translation>
    </message>
    <message>
        <source>empty file</source>
        <translation>leere Datei</translation>
    </message>
    <message>
        <source>binary data</source>
        <translation>Binärdaten</translation>
    </message>
    <message>
        <source>not RTF</source>
        <translation>kein RTF</translation>
    </message>
    <message>
        <source>file not found: %1</source>
        <translation>Datei nicht gefunden: %1</translation>
    </message>
    <message>
        <source>not a file but a folder: %1</source>
        <translation>keine Datei, sondern ein Ordner: %1</translation>
    </message>
    <message>
        <source>not a regular file: %1</source>
        <translation>keine gewöhnliche Datei: %1</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>%1 kann nicht gelesen werden: %2</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>%1 entries past the first %2</source>
        <translation>%1 Einträge nach den ersten %2</translation>
    </message>
    <message>
        <source>%1 entries longer than %2 characters</source>
        <translation>%1 Einträge mit mehr als %2 Zeichen</translation>
    </message>
    <message>
        <source>%1/%2: %3 were left out</source>
        <translation>%1/%2: %3 wurden ausgelassen</translation>
    </message>
    <message>
        <source> and </source>
        <translation> und </translation>
    </message>
    <message>
        <source>settings file %1: %2</source>
        <translation>Einstellungsdatei %1: %2</translation>
    </message>
</context>
<context>
    <name>Skin</name>
    <message>
        <source>skinning the About window</source>
        <translation>das Skinning des Info-Fensters</translation>
    </message>
    <message>
        <source>telling the skin engine that the program ends</source>
        <translation>die Meldung an die Skin-Engine, dass das Programm endet,</translation>
    </message>
    <message>
        <source>skinning the help window</source>
        <translation>das Skinning des Hilfefensters</translation>
    </message>
    <message>
        <source>starting the skin engine</source>
        <translation>der Start der Skin-Engine</translation>
    </message>
    <message>
        <source>skin: %1 failed (%2); going on without it</source>
        <translation>Skin: %1 schlug fehl (%2); es geht ohne weiter</translation>
    </message>
    <message>
        <source>skin: %1 failed (unknown error); going on without it</source>
        <translation>Skin: %1 schlug fehl (unbekannter Fehler); es geht ohne weiter</translation>
    </message>
    <message>
        <source>skinning the splash</source>
        <translation>das Skinning des Startbilds</translation>
    </message>
</context>
<context>
    <name>tintora::AboutWindow</name>
    <message>
        <source>This program and its source code are released under the MIT licence: anyone may use, copy, change, pass on and sell them, with or without a fee, as long as the copyright notice and the licence text go with every copy. The program comes without any warranty.</source>
        <translation>Dieses Programm und sein Quelltext stehen unter der MIT-Lizenz: Jeder darf sie nutzen, kopieren, ändern, weitergeben und verkaufen, mit oder ohne Gebühr, solange der Urheberrechtsvermerk und der Lizenztext jeder Kopie beiliegen. Das Programm kommt ohne jede Gewährleistung.</translation>
    </message>
    <message>
        <source>Your Program Name</source>
        <translation>Ihr Programmname</translation>
    </message>
    <message>
        <source>Version:</source>
        <translation>Version:</translation>
    </message>
    <message>
        <source>Owned By:</source>
        <translation>Inhaber:</translation>
    </message>
    <message>
        <source>Website:</source>
        <translation>Website:</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>Über %1</translation>
    </message>
</context>
<context>
    <name>tintora::BrowserWindow</name>
    <message>
        <source>Not opened: only web addresses (http, https) are shown here, not %1</source>
        <translation>Nicht geöffnet: hier werden nur Webadressen (http, https) gezeigt, nicht %1</translation>
    </message>
    <message>
        <source>Browser</source>
        <translation>Browser</translation>
    </message>
    <message>
        <source>URL:</source>
        <translation>URL:</translation>
    </message>
    <message>
        <source>browse the entered url</source>
        <translation>die eingegebene URL aufrufen</translation>
    </message>
    <message>
        <source>back</source>
        <translation>zurück</translation>
    </message>
    <message>
        <source>forward</source>
        <translation>vor</translation>
    </message>
    <message>
        <source>stop</source>
        <translation>anhalten</translation>
    </message>
    <message>
        <source>refresh</source>
        <translation>neu laden</translation>
    </message>
    <message>
        <source>Opening %1</source>
        <translation>Öffne %1</translation>
    </message>
    <message>
        <source>Completed %1</source>
        <translation>Fertig: %1</translation>
    </message>
</context>
<context>
    <name>tintora::ChannelFieldsPanel</name>
    <message>
        <source>%1 mode</source>
        <translation>Modus %1</translation>
    </message>
    <message>
        <source>H:</source>
        <translation>H:</translation>
    </message>
    <message>
        <source>Hue</source>
        <translation>Farbton</translation>
    </message>
    <message>
        <source>R:</source>
        <translation>R:</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rot</translation>
    </message>
    <message>
        <source>S:</source>
        <translation>S:</translation>
    </message>
    <message>
        <source>Saturation</source>
        <translation>Sättigung</translation>
    </message>
    <message>
        <source>G:</source>
        <translation>G:</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Grün</translation>
    </message>
    <message>
        <source>B:</source>
        <translation>B:</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Helligkeit</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blau</translation>
    </message>
    <message>
        <source>Not a channel value (0 to 255)</source>
        <translation>Kein Kanalwert (0 bis 255)</translation>
    </message>
</context>
<context>
    <name>tintora::ColorFactsLabel</name>
    <message>
        <source>normal, large</source>
        <translation>normal, groß</translation>
    </message>
    <message>
        <source>large</source>
        <translation>groß</translation>
    </message>
    <message>
        <source>none</source>
        <translation>keine</translation>
    </message>
    <message>
        <source>pass</source>
        <translation>erfüllt</translation>
    </message>
    <message>
        <source>fail</source>
        <translation>verfehlt</translation>
    </message>
    <message>
        <source>Contrast %1 - AA: %2 - AAA: %3</source>
        <translation>Kontrast %1 - AA: %2 - AAA: %3</translation>
    </message>
    <message>
        <source>Name: %1 (exact)</source>
        <translation>Name: %1 (genau)</translation>
    </message>
    <message>
        <source>Nearest name: %1</source>
        <translation>Nächster Name: %1</translation>
    </message>
    <message>
        <source>Contrast of &quot;New&quot; on &quot;Old&quot;: %1 (WCAG 2.x)
Normal text: AA %2 (4.5:1), AAA %3 (7:1)
Large text: AA %4 (3:1), AAA %5 (4.5:1)
%6</source>
        <translation>Kontrast von „Neu“ auf „Alt“: %1 (WCAG 2.x)
Normaler Text: AA %2 (4,5:1), AAA %3 (7:1)
Großer Text: AA %4 (3:1), AAA %5 (4,5:1)
%6</translation>
    </message>
    <message>
        <source>CSS name: %1</source>
        <translation>CSS-Name: %1</translation>
    </message>
    <message>
        <source>Nearest CSS name: %1 (CIELAB distance %2)</source>
        <translation>Nächster CSS-Name: %1 (CIELAB-Abstand %2)</translation>
    </message>
</context>
<context>
    <name>tintora::CopyAsMenu</name>
    <message>
        <source>Copy as</source>
        <translation>Kopieren als</translation>
    </message>
    <message>
        <source>This template is already in the menu.</source>
        <translation>Diese Vorlage ist schon im Menü.</translation>
    </message>
    <message>
        <source>The menu holds at most %1 templates.</source>
        <translation>Das Menü fasst höchstens %1 Vorlagen.</translation>
    </message>
    <message>
        <source>(not usable)</source>
        <translation>(nicht verwendbar)</translation>
    </message>
    <message>
        <source>Add Template...</source>
        <translation>Vorlage hinzufügen...</translation>
    </message>
    <message>
        <source>Remove Template</source>
        <translation>Vorlage entfernen</translation>
    </message>
    <message>
        <source>Add Template</source>
        <translation>Vorlage hinzufügen</translation>
    </message>
    <message>
        <source>Template, for example {r}, {g}, {b} or 0x{HEX}.
Placeholders: {r} {g} {b} {rx} {gx} {bx} {RX} {GX} {BX} {hex} {HEX}
{bgr} {BGR} {dec} {decrgb} {rf} {gf} {bf} {h} {s} {v}; {{ and }} for braces.</source>
        <translation>Vorlage, zum Beispiel {r}, {g}, {b} oder 0x{HEX}.
Platzhalter: {r} {g} {b} {rx} {gx} {bx} {RX} {GX} {BX} {hex} {HEX}
{bgr} {BGR} {dec} {decrgb} {rf} {gf} {bf} {h} {s} {v}; {{ und }} für geschweifte Klammern.</translation>
    </message>
    <message>
        <source>The template was not added: %1</source>
        <translation>Die Vorlage wurde nicht hinzugefügt: %1</translation>
    </message>
</context>
<context>
    <name>tintora::Eyedropper</name>
    <message>
        <source>Cannot pick from the screen: %1</source>
        <translation>Wählen vom Bildschirm nicht möglich: %1</translation>
    </message>
    <message>
        <source>Cannot pick from the screen: there is no screen.</source>
        <translation>Wählen vom Bildschirm nicht möglich: es gibt keinen Bildschirm.</translation>
    </message>
    <message>
        <source>Cannot pick from the screen: the screen &quot;%1&quot; could not be read on this platform (%2).</source>
        <translation>Wählen vom Bildschirm nicht möglich: der Bildschirm „%1“ kann auf dieser Plattform nicht gelesen werden (%2).</translation>
    </message>
</context>
<context>
    <name>tintora::EyedropperOverlay</name>
    <message>
        <source>Pick from Screen</source>
        <translation>Vom Bildschirm wählen</translation>
    </message>
</context>
<context>
    <name>tintora::FocusArea</name>
    <message>
        <source>H %1 °</source>
        <translation>H %1 °</translation>
    </message>
    <message>
        <source>S %1 %</source>
        <translation>S %1 %</translation>
    </message>
    <message>
        <source>B %1 %</source>
        <translation>B %1 %</translation>
    </message>
    <message>
        <source>Saturation and brightness</source>
        <translation>Sättigung und Helligkeit</translation>
    </message>
    <message>
        <source>Hue and brightness</source>
        <translation>Farbton und Helligkeit</translation>
    </message>
    <message>
        <source>Hue and saturation</source>
        <translation>Farbton und Sättigung</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Hue bar</source>
        <translation>Farbtonleiste</translation>
    </message>
    <message>
        <source>Saturation bar</source>
        <translation>Sättigungsleiste</translation>
    </message>
    <message>
        <source>Brightness bar</source>
        <translation>Helligkeitsleiste</translation>
    </message>
    <message>
        <source>Colour grid</source>
        <translation>Farbraster</translation>
    </message>
    <message>
        <source>Cell %1 of %2, %3</source>
        <translation>Zelle %1 von %2, %3</translation>
    </message>
</context>
<context>
    <name>tintora::MainWindow</name>
    <message>
        <source>&amp;Picker</source>
        <translation>&amp;Wähler</translation>
    </message>
    <message>
        <source>&amp;Preset</source>
        <translation>&amp;Vorgaben</translation>
    </message>
    <message>
        <source>Pick from Screen</source>
        <translation>Vom Schirm wählen</translation>
    </message>
    <message>
        <source>Pick a colour anywhere on the screen (Ctrl+E)</source>
        <translation>Eine Farbe irgendwo auf dem Bildschirm wählen (Strg+E)</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Meldung</translation>
    </message>
    <message>
        <source>System colour</source>
        <translation>Systemfarbe</translation>
    </message>
    <message>
        <source>System colours</source>
        <translation>Systemfarben</translation>
    </message>
    <message>
        <source>%1 by %2</source>
        <translation>%1 von %2</translation>
    </message>
    <message>
        <source>Visit %1</source>
        <translation>Zu %1</translation>
    </message>
    <message>
        <source>Enter an Integer Value Between 0 and 360</source>
        <translation>Geben Sie eine ganze Zahl zwischen 0 und 360 ein</translation>
    </message>
    <message>
        <source>Keep</source>
        <translation>Behalten</translation>
    </message>
    <message>
        <source>Presets</source>
        <translation>Vorgaben</translation>
    </message>
    <message>
        <source>About this software</source>
        <translation>Über dieses Programm</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
</context>
<context>
    <name>tintora::HelpWindow</name>
    <message>
        <source>The help file %1 could not be shown</source>
        <translation>Die Hilfedatei %1 konnte nicht angezeigt werden</translation>
    </message>
    <message>
        <source>Readme/Help</source>
        <translation>Liesmich/Hilfe</translation>
    </message>
    <message>
        <source>Show at Startup</source>
        <translation>Beim Start zeigen</translation>
    </message>
    <message>
        <source>The help file %1 holds more than this window can show; the rest of it is left out.</source>
        <translation>Die Hilfedatei %1 enthält mehr, als dieses Fenster zeigen kann; der Rest wird ausgelassen.</translation>
    </message>
</context>
<context>
    <name>tintora::OutputCodesPanel</name>
    <message>
        <source>Color Outputs</source>
        <translation>Farbcodes</translation>
    </message>
    <message>
        <source>QBColor Code:</source>
        <translation>QBColor:</translation>
    </message>
    <message>
        <source>RGB Color Code:</source>
        <translation>RGB-Farbcode:</translation>
    </message>
    <message>
        <source>Decimal Color Code:</source>
        <translation>Dezimaler Farbcode:</translation>
    </message>
    <message>
        <source>HTML Color Code:</source>
        <translation>HTML-Farbcode:</translation>
    </message>
    <message>
        <source>VB Hex Color Code:</source>
        <translation>VB-Hex-Farbcode:</translation>
    </message>
    <message>
        <source>Copy QBColor code</source>
        <translation>QBColor-Code kopieren</translation>
    </message>
    <message>
        <source>Copy RGB code</source>
        <translation>RGB-Code kopieren</translation>
    </message>
    <message>
        <source>Copy decimal code</source>
        <translation>Dezimalcode kopieren</translation>
    </message>
    <message>
        <source>Copy HTML code</source>
        <translation>HTML-Code kopieren</translation>
    </message>
    <message>
        <source>Copy VB hex code</source>
        <translation>VB-Hex-Code kopieren</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopie</translation>
    </message>
    <message>
        <source>Copy as...</source>
        <translation>Kopieren als...</translation>
    </message>
    <message>
        <source>VB colour constant</source>
        <translation>VB-Farbkonstante</translation>
    </message>
    <message>
        <source>QBColor Code</source>
        <translation>QBColor-Code</translation>
    </message>
    <message>
        <source>System colour name</source>
        <translation>Name der Systemfarbe</translation>
    </message>
    <message>
        <source>System colour constant</source>
        <translation>Konstante der Systemfarbe</translation>
    </message>
</context>
<context>
    <name>tintora::PalettePanel</name>
    <message>
        <source>Colour to add</source>
        <translation>Hinzuzufügende Farbe</translation>
    </message>
    <message>
        <source>Safe Colors</source>
        <translation>Sichere Farben</translation>
    </message>
    <message>
        <source>Palette</source>
        <translation>Palette</translation>
    </message>
    <message>
        <source>Palettes</source>
        <translation>Paletten</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Custom...</source>
        <translation>Eigene...</translation>
    </message>
    <message>
        <source>Safe Palette (216)</source>
        <translation>Sichere Palette (216)</translation>
    </message>
    <message>
        <source>The custom colours could not be saved.

%1

The colours you add stay in the palette, also when you switch to the other grid and back, until a later &quot;Add&quot; saves them. Colours not saved by then are lost when %2 is closed.</source>
        <translation>Die eigenen Farben konnten nicht gespeichert werden.

%1

Die hinzugefügten Farben bleiben in der Palette, auch wenn Sie zum anderen Raster und zurück wechseln, bis ein späteres „Hinzufügen“ sie speichert. Bis dahin nicht gespeicherte Farben gehen verloren, wenn %2 geschlossen wird.</translation>
    </message>
    <message>
        <source>Import Palette...</source>
        <translation>Palette importieren...</translation>
    </message>
    <message>
        <source>Export Palette...</source>
        <translation>Palette exportieren...</translation>
    </message>
    <message>
        <source>Export Palette</source>
        <translation>Palette exportieren</translation>
    </message>
    <message>
        <source>Import Palette</source>
        <translation>Palette importieren</translation>
    </message>
    <message>
        <source>%1 custom colours</source>
        <translation>%1 eigene Farben</translation>
    </message>
</context>
<context>
    <name>tintora::PortalColorPicker</name>
    <message>
        <source>The desktop portal&apos;s colour picker did not answer within %1 seconds.</source>
        <translation>Der Farbwähler des Desktop-Portals hat nicht innerhalb von %1 Sekunden geantwortet.</translation>
    </message>
    <message>
        <source>There is no session bus, so the desktop portal cannot be asked for a colour.</source>
        <translation>Es gibt keinen Sitzungsbus, daher kann das Desktop-Portal nicht nach einer Farbe gefragt werden.</translation>
    </message>
    <message>
        <source>The desktop portal (%1) is not running.</source>
        <translation>Das Desktop-Portal (%1) läuft nicht.</translation>
    </message>
    <message>
        <source>The desktop portal offers no colour picker.</source>
        <translation>Das Desktop-Portal bietet keinen Farbwähler.</translation>
    </message>
    <message>
        <source>The desktop portal did not answer within %1 seconds.</source>
        <translation>Das Desktop-Portal hat nicht innerhalb von %1 Sekunden geantwortet.</translation>
    </message>
    <message>
        <source>The desktop portal refused to pick a colour: %1</source>
        <translation>Das Desktop-Portal hat das Wählen einer Farbe abgelehnt: %1</translation>
    </message>
    <message>
        <source>The desktop portal answered without a valid colour.</source>
        <translation>Das Desktop-Portal hat ohne gültige Farbe geantwortet.</translation>
    </message>
    <message>
        <source>The desktop portal could not pick a colour.</source>
        <translation>Das Desktop-Portal konnte keine Farbe wählen.</translation>
    </message>
</context>
<context>
    <name>tintora::RootAddressWindow</name>
    <message>
        <source>Web site address</source>
        <translation>Adresse der Website</translation>
    </message>
    <message>
        <source>%1 runs as root (administrator), so it shows no web pages: a page would run with root&apos;s rights. Copy the address and open it in a browser of your own account.</source>
        <translation>%1 läuft als root (Administrator) und zeigt daher keine Webseiten: eine Seite liefe mit den Rechten von root. Kopieren Sie die Adresse und öffnen Sie sie in einem Browser Ihres eigenen Kontos.</translation>
    </message>
    <message>
        <source>Why no web page is shown</source>
        <translation>Warum keine Webseite gezeigt wird</translation>
    </message>
    <message>
        <source>Web site address to copy</source>
        <translation>Adresse der Website zum Kopieren</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>tintora::SplashWindow</name>
    <message>
        <source>Like what you see? Our web site has more free programs to download, and free music from a band we love to listen to.</source>
        <translation>Gefällt es Ihnen? Auf unserer Website gibt es weitere kostenlose Programme zum Herunterladen und kostenlose Musik einer Band, die wir gern hören.</translation>
    </message>
</context>
<context>
    <name>tintora::SwatchLabel</name>
    <message>
        <source>%1, shown in the codes</source>
        <translation>%1, in den Codes gezeigt</translation>
    </message>
</context>
<context>
    <name>tintora::SwatchRow</name>
    <message>
        <source>New</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>Old</source>
        <translation>Alt</translation>
    </message>
    <message>
        <source>Color History</source>
        <translation>Verlauf</translation>
    </message>
    <message>
        <source>History %1</source>
        <translation>Verlauf %1</translation>
    </message>
    <message>
        <source>Use as New</source>
        <translation>Als Neu verwenden</translation>
    </message>
    <message>
        <source>Pick from Screen...</source>
        <translation>Vom Bildschirm wählen...</translation>
    </message>
    <message>
        <source>Undo colour</source>
        <translation>Farbe rückgängig</translation>
    </message>
    <message>
        <source>Redo colour</source>
        <translation>Farbe wiederherstellen</translation>
    </message>
</context>
<context>
    <name>tintora::TintoraApp</name>
    <message>
        <source>no web browser could be opened for %1</source>
        <translation>für %1 konnte kein Webbrowser geöffnet werden</translation>
    </message>
    <message>
        <source>No web browser could be opened.

The web site is at %1</source>
        <translation>Es konnte kein Webbrowser geöffnet werden.

Die Website ist unter %1</translation>
    </message>
    <message>
        <source>cannot load the browser module: %1</source>
        <translation>das Browsermodul kann nicht geladen werden: %1</translation>
    </message>
</context>
</TS>
