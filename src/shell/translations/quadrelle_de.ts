<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>Quadrelle</name>
    <message>
        <source>Duplicate value in cell</source>
        <translation>Doppelter Wert in der Zelle</translation>
    </message>
    <message>
        <source>Contradiction between cells</source>
        <translation>Widerspruch zwischen Zellen</translation>
    </message>
    <message>
        <source>Puzzle row %1 column %2</source>
        <translation>Rätsel Zeile %1 Spalte %2</translation>
    </message>
    <message>
        <source>Solution row %1 column %2</source>
        <translation>Lösung Zeile %1 Spalte %2</translation>
    </message>
    <message>
        <source>Printer error: no default printer is set up</source>
        <translation>Druckerfehler: Es ist kein Standarddrucker eingerichtet</translation>
    </message>
    <message>
        <source>Printer error: the printing system cannot be reached at %1</source>
        <translation>Druckerfehler: Das Drucksystem ist unter %1 nicht erreichbar</translation>
    </message>
    <message>
        <source>Printer error: &quot;%1&quot; did not take the document</source>
        <translation>Druckerfehler: „%1“ hat das Dokument nicht angenommen</translation>
    </message>
    <message>
        <source>Printer error: &quot;%1&quot; is not accepting jobs</source>
        <translation>Druckerfehler: „%1“ nimmt keine Aufträge an</translation>
    </message>
    <message>
        <source>Printer error</source>
        <translation>Druckerfehler</translation>
    </message>
    <message>
        <source>Invalid property value</source>
        <translation>Ungültiger Eigenschaftswert</translation>
    </message>
    <message>
        <source>Could not find a solution within reasonable<byte value="xd"/>
time -- and I&apos;m pretty sure there is none.</source>
        <translation>In angemessener Zeit wurde keine Lösung gefunden<byte value="xd"/>
– und ich bin ziemlich sicher, dass es keine gibt.</translation>
    </message>
    <message>
        <source>Sorry...</source>
        <translation>Tut mir leid …</translation>
    </message>
    <message>
        <source>Done.</source>
        <translation>Fertig.</translation>
    </message>
    <message>
        <source>Done scanning but no solution was found.</source>
        <translation>Suche beendet, aber keine Lösung gefunden.</translation>
    </message>
    <message>
        <source>Puzzle</source>
        <translation>Rätsel</translation>
    </message>
    <message>
        <source>Solution</source>
        <translation>Lösung</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Leeren</translation>
    </message>
    <message>
        <source>Start Solving</source>
        <translation>Lösung suchen</translation>
    </message>
    <message>
        <source>Print Puzzle</source>
        <translation>Rätsel drucken</translation>
    </message>
    <message>
        <source>Print Solution</source>
        <translation>Lösung drucken</translation>
    </message>
    <message>
        <source>at line </source>
        <translation>in Zeile </translation>
    </message>
    <message>
        <source>Please email screenshot of this message to %1</source>
        <translation>Bitte senden Sie ein Bildschirmfoto dieser Meldung per E-Mail an %1</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>Index außerhalb des gültigen Bereichs</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Überlauf</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument</source>
        <translation>Ungültiger Prozeduraufruf oder ungültiges Argument</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Nicht genügend Arbeitsspeicher</translation>
    </message>
    <message>
        <source>Unexpected error</source>
        <translation>Unerwarteter Fehler</translation>
    </message>
    <message>
        <source>Application Error</source>
        <translation>Anwendungsfehler</translation>
    </message>
    <message>
        <source>File not found</source>
        <translation>Datei nicht gefunden</translation>
    </message>
    <message>
        <source>Quadrelle opens one puzzle or puzzle file at a time, not %1.</source>
        <translation>Quadrelle öffnet jeweils nur ein Rätsel oder eine Rätseldatei, nicht %1.</translation>
    </message>
    <message>
        <source>Invalid picture</source>
        <translation>Ungültiges Bild</translation>
    </message>
    <message>
        <source>Cannot read %1: %2.</source>
        <translation>%1 kann nicht gelesen werden: %2.</translation>
    </message>
    <message>
        <source>a named pipe</source>
        <translation>eine benannte Pipe</translation>
    </message>
    <message>
        <source>a socket</source>
        <translation>ein Socket</translation>
    </message>
    <message>
        <source>a device</source>
        <translation>ein Gerät</translation>
    </message>
    <message>
        <source>a special file</source>
        <translation>eine Spezialdatei</translation>
    </message>
    <message>
        <source>%1 is not a puzzle: %2</source>
        <translation>%1 ist kein Rätsel: %2</translation>
    </message>
    <message>
        <source>The first MiB of %1 holds no puzzle line.</source>
        <translation>Das erste MiB von %1 enthält keine Rätselzeile.</translation>
    </message>
    <message>
        <source>%1 holds no puzzle line.</source>
        <translation>%1 enthält keine Rätselzeile.</translation>
    </message>
    <message>
        <source>Line %1 of %2</source>
        <translation>Zeile %1 von %2</translation>
    </message>
    <message>
        <source>Line %1, column %2 of %3</source>
        <translation>Zeile %1, Spalte %2 von %3</translation>
    </message>
    <message>
        <source>the game&apos;s data is not 81 digits.</source>
        <translation>die Spieldaten sind keine 81 Ziffern.</translation>
    </message>
    <message>
        <source>%1 is a folder, not a puzzle file.</source>
        <translation>%1 ist ein Ordner, keine Rätseldatei.</translation>
    </message>
    <message>
        <source>it is %1, not a puzzle file</source>
        <translation>es ist %1, keine Rätseldatei</translation>
    </message>
    <message>
        <source>it is no longer a regular file</source>
        <translation>es ist keine reguläre Datei mehr</translation>
    </message>
    <message>
        <source>it has %1 characters, a puzzle has 81.</source>
        <translation>es hat %1 Zeichen, ein Rätsel hat 81.</translation>
    </message>
    <message>
        <source>character %1 is &quot;%2&quot;; a puzzle has only 1 to 9, 0 and &quot;.&quot;.</source>
        <translation>Zeichen %1 ist „%2“; ein Rätsel enthält nur 1 bis 9, 0 und „.“.</translation>
    </message>
    <message>
        <source>it goes on after 81 characters without a space, tab, comma, colon or semicolon.</source>
        <translation>es geht nach 81 Zeichen ohne Leerzeichen, Tabulator, Komma, Doppelpunkt oder Semikolon weiter.</translation>
    </message>
    <message>
        <source>Invalid skin: not a style sheet</source>
        <translation>Ungültiges Design: kein Stylesheet</translation>
    </message>
    <message>
        <source>Path/File access error</source>
        <translation>Fehler beim Zugriff auf Pfad/Datei</translation>
    </message>
    <message>
        <source>Skin file too large</source>
        <translation>Designdatei zu groß</translation>
    </message>
    <message>
        <source>Skin not loaded</source>
        <translation>Design nicht geladen</translation>
    </message>
    <message>
        <source>Quadrelle Sudoku Suite</source>
        <translation>Quadrelle Sudoku Suite</translation>
    </message>
    <message>
        <source>in %1 </source>
        <translation>in %1 </translation>
    </message>
    <message>
        <source>grid row %1 has %2 cells, not 9</source>
        <translation>Rasterzeile %1 hat %2 Felder statt 9</translation>
    </message>
    <message>
        <source>a blank line after grid row %1 of 9</source>
        <translation>eine Leerzeile nach Rasterzeile %1 von 9</translation>
    </message>
    <message>
        <source>a box border after grid row %1 of 9</source>
        <translation>ein Blockrand nach Rasterzeile %1 von 9</translation>
    </message>
    <message>
        <source>the grid ends after 1 row; a grid has 9</source>
        <translation>das Raster endet nach 1 Zeile; ein Raster hat 9</translation>
    </message>
    <message>
        <source>the grid ends after %1 rows; a grid has 9</source>
        <translation>das Raster endet nach %1 Zeilen; ein Raster hat 9</translation>
    </message>
    <message>
        <source>the file is not well-formed XML</source>
        <translation>die Datei ist kein wohlgeformtes XML</translation>
    </message>
    <message>
        <source>grid row %1: &quot;%2&quot; is neither a digit nor a blank</source>
        <translation>Rasterzeile %1: „%2“ ist weder eine Ziffer noch ein Leerfeld</translation>
    </message>
    <message>
        <source>grid row %1: byte 0x%2 is neither a digit nor a blank</source>
        <translation>Rasterzeile %1: Byte 0x%2 ist weder eine Ziffer noch ein Leerfeld</translation>
    </message>
    <message>
        <source>The text holds no puzzle: no line of 81 cells and no grid of 9 rows of 9.</source>
        <translation>Der Text enthält kein Rätsel: keine Zeile aus 81 Zellen und kein Gitter aus 9 Zeilen zu 9.</translation>
    </message>
    <message>
        <source>The text holds no puzzle: %1.</source>
        <translation>Der Text enthält kein Rätsel: %1.</translation>
    </message>
    <message>
        <source>The clipboard is empty.</source>
        <translation>Die Zwischenablage ist leer.</translation>
    </message>
    <message>
        <source>The clipboard holds a picture, not the text of a puzzle.</source>
        <translation>Die Zwischenablage enthält ein Bild, keinen Rätseltext.</translation>
    </message>
    <message>
        <source>The clipboard holds no text.</source>
        <translation>Die Zwischenablage enthält keinen Text.</translation>
    </message>
    <message>
        <source>The clipboard holds more than a MiB of text; a puzzle is much shorter.</source>
        <translation>Die Zwischenablage enthält mehr als ein MiB Text; ein Rätsel ist viel kürzer.</translation>
    </message>
    <message>
        <source>The clipboard&apos;s text is blank.</source>
        <translation>Der Text in der Zwischenablage ist leer.</translation>
    </message>
    <message>
        <source>Rating the puzzle…</source>
        <translation>Rätsel wird bewertet …</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Open…</source>
        <translation>&amp;Öffnen …</translation>
    </message>
    <message>
        <source>&amp;Next Puzzle</source>
        <translation>&amp;Nächstes Rätsel</translation>
    </message>
    <message>
        <source>P&amp;revious Puzzle</source>
        <translation>&amp;Voriges Rätsel</translation>
    </message>
    <message>
        <source>Save Puzzle &amp;As…</source>
        <translation>Rätsel speichern &amp;unter …</translation>
    </message>
    <message>
        <source>&amp;Print Puzzle</source>
        <translation>Rätsel &amp;drucken</translation>
    </message>
    <message>
        <source>Print &amp;Solution</source>
        <translation>&amp;Lösung drucken</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Copy Puzzle</source>
        <translation>Rätsel &amp;kopieren</translation>
    </message>
    <message>
        <source>Copy &amp;Solution</source>
        <translation>&amp;Lösung kopieren</translation>
    </message>
    <message>
        <source>&amp;Paste Puzzle</source>
        <translation>Rätsel &amp;einfügen</translation>
    </message>
    <message>
        <source>C&amp;lear</source>
        <translation>Lee&amp;ren</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Keys</source>
        <translation>&amp;Tasten</translation>
    </message>
    <message>
        <source>&amp;About Quadrelle</source>
        <translation>&amp;Über Quadrelle</translation>
    </message>
    <message>
        <source>%1 — %2</source>
        <translation>%1 — %2</translation>
    </message>
    <message>
        <source>%1 — puzzle %2 of %3 — %4</source>
        <translation>%1 — Rätsel %2 von %3 — %4</translation>
    </message>
    <message>
        <source>Puzzle files (*.sdk *.sdm *.ss *.txt *.csv *.opensudoku *.xml)</source>
        <translation>Rätseldateien (*.sdk *.sdm *.ss *.txt *.csv *.opensudoku *.xml)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Open Puzzle</source>
        <translation>Rätsel öffnen</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Puzzle line (*.txt *.sdm)</source>
        <translation>Rätselzeile (*.txt *.sdm)</translation>
    </message>
    <message>
        <source>SadMan Sudoku (*.sdk)</source>
        <translation>SadMan Sudoku (*.sdk)</translation>
    </message>
    <message>
        <source>Save Puzzle As</source>
        <translation>Rätsel speichern unter</translation>
    </message>
    <message>
        <source>Cannot write %1: %2.</source>
        <translation>%1 kann nicht geschrieben werden: %2.</translation>
    </message>
    <message>
        <source>There is no solution to copy yet: Start Solving finds it.</source>
        <translation>Es gibt noch keine Lösung zum Kopieren: „Lösung suchen“ findet sie.</translation>
    </message>
    <message>
        <source>%1, version %2<byte value="xd"/><byte value="xd"/>Solves, counts and rates Sudoku puzzles.<byte value="xd"/><byte value="xd"/>%3</source>
        <translation>%1, Version %2<byte value="xd"/><byte value="xd"/>Löst, zählt und bewertet Sudoku-Rätsel.<byte value="xd"/><byte value="xd"/>%3</translation>
    </message>
    <message>
        <source>No solution</source>
        <translation>Keine Lösung</translation>
    </message>
    <message>
        <source>Several solutions</source>
        <translation>Mehrere Lösungen</translation>
    </message>
    <message>
        <source>One solution</source>
        <translation>Eine Lösung</translation>
    </message>
    <message>
        <source>One solution · at least %1 %2</source>
        <translation>Eine Lösung · mindestens %1 %2</translation>
    </message>
    <message>
        <source>One solution · %1 %2</source>
        <translation>Eine Lösung · %1 %2</translation>
    </message>
    <message>
        <source>&amp;Puzzle</source>
        <translation>&amp;Rätsel</translation>
    </message>
    <message>
        <source>&amp;Hint</source>
        <translation>&amp;Tipp</translation>
    </message>
    <message>
        <source>No hint: the puzzle has no solution.</source>
        <translation>Kein Tipp: Das Rätsel hat keine Lösung.</translation>
    </message>
    <message>
        <source>No hint: the puzzle has several solutions.</source>
        <translation>Kein Tipp: Das Rätsel hat mehrere Lösungen.</translation>
    </message>
    <message>
        <source>The puzzle is solved.</source>
        <translation>Das Rätsel ist gelöst.</translation>
    </message>
    <message>
        <source>&amp;New Puzzle</source>
        <translation>&amp;Neues Rätsel</translation>
    </message>
    <message>
        <source>New Puzzle &amp;At</source>
        <translation>Neues Rätsel &amp;mit Schwierigkeit</translation>
    </message>
    <message>
        <source>&amp;%1 %2 (%3 to %4)</source>
        <translation>&amp;%1 %2 (%3 bis %4)</translation>
    </message>
    <message>
        <source>&amp;Stop Making the Puzzle</source>
        <translation>Rätselerstellung &amp;abbrechen</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Leicht</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Mittel</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Schwer</translation>
    </message>
    <message>
        <source>Fiendish</source>
        <translation>Teuflisch</translation>
    </message>
    <message>
        <source>Diabolical</source>
        <translation>Diabolisch</translation>
    </message>
    <message>
        <source>Extreme</source>
        <translation>Extrem</translation>
    </message>
    <message>
        <source>Making a new %1 puzzle…  %2 stops.</source>
        <translation>Neues Rätsel (%1) wird erstellt …  %2 bricht ab.</translation>
    </message>
    <message>
        <source>No new puzzle: stopped.</source>
        <translation>Kein neues Rätsel: abgebrochen.</translation>
    </message>
    <message>
        <source>Solving Path</source>
        <translation>Lösungsweg</translation>
    </message>
    <message>
        <source>Steps</source>
        <translation>Schritte</translation>
    </message>
    <message>
        <source>Working out the steps…</source>
        <translation>Die Schritte werden ermittelt …</translation>
    </message>
    <message>
        <source>Steps: %1. Choose one to see it on the board.</source>
        <translation>Schritte: %1. Einen wählen, um ihn im Gitter zu sehen.</translation>
    </message>
    <message>
        <source>%1. %2 (%3)</source>
        <translation>%1. %2 (%3)</translation>
    </message>
    <message>
        <source>The puzzle changed: choose Explain again.</source>
        <translation>Das Rätsel hat sich geändert: Erklären erneut wählen.</translation>
    </message>
    <message>
        <source>Show &amp;Candidates</source>
        <translation>&amp;Kandidaten zeigen</translation>
    </message>
    <message>
        <source>&amp;Explain…</source>
        <translation>&amp;Erklären …</translation>
    </message>
    <message>
        <source>Chec&amp;k Where Solutions Differ</source>
        <translation>&amp;Prüfen, wo Lösungen abweichen</translation>
    </message>
    <message>
        <source>Looking for the next step…</source>
        <translation>Suche den nächsten Schritt…</translation>
    </message>
    <message>
        <source>Struck out the candidates; Hint again for the next step.</source>
        <translation>Kandidaten gestrichen; Tipp erneut für den nächsten Schritt.</translation>
    </message>
    <message>
        <source>Struck out the candidates; %1 shows those left.</source>
        <translation>Kandidaten gestrichen; %1 zeigt die übrigen.</translation>
    </message>
    <message>
        <source>Two solutions differ in %1 boxes: %2</source>
        <translation>Zwei Lösungen unterscheiden sich in %1 Feldern: %2</translation>
    </message>
    <message>
        <source>No hint: no step found within the effort.</source>
        <translation>Kein Tipp: Im Rahmen des Aufwands fand sich kein Schritt.</translation>
    </message>
    <message>
        <source>Hidden Single (box)</source>
        <translation>Versteckter Einer (Block)</translation>
    </message>
    <message>
        <source>Hidden Single (line)</source>
        <translation>Versteckter Einer (Linie)</translation>
    </message>
    <message>
        <source>Direct Pointing</source>
        <translation>Direktes Pointing</translation>
    </message>
    <message>
        <source>Direct Claiming</source>
        <translation>Direktes Claiming</translation>
    </message>
    <message>
        <source>Direct Hidden Pair</source>
        <translation>Direktes verstecktes Paar</translation>
    </message>
    <message>
        <source>Naked Single</source>
        <translation>Nackter Einer</translation>
    </message>
    <message>
        <source>Direct Hidden Triple</source>
        <translation>Direkter versteckter Drilling</translation>
    </message>
    <message>
        <source>Pointing</source>
        <translation>Pointing</translation>
    </message>
    <message>
        <source>Claiming</source>
        <translation>Claiming</translation>
    </message>
    <message>
        <source>Naked Pair</source>
        <translation>Nacktes Paar</translation>
    </message>
    <message>
        <source>X-Wing</source>
        <translation>X-Wing</translation>
    </message>
    <message>
        <source>Hidden Pair</source>
        <translation>Verstecktes Paar</translation>
    </message>
    <message>
        <source>Naked Triple</source>
        <translation>Nackter Drilling</translation>
    </message>
    <message>
        <source>Swordfish</source>
        <translation>Schwertfisch</translation>
    </message>
    <message>
        <source>Hidden Triple</source>
        <translation>Versteckter Drilling</translation>
    </message>
    <message>
        <source>Turbot Fish</source>
        <translation>Turbot-Fisch</translation>
    </message>
    <message>
        <source>XY-Wing</source>
        <translation>XY-Wing</translation>
    </message>
    <message>
        <source>XYZ-Wing</source>
        <translation>XYZ-Wing</translation>
    </message>
    <message>
        <source>Unique Rectangle</source>
        <translation>Eindeutiges Rechteck</translation>
    </message>
    <message>
        <source>Naked Quad</source>
        <translation>Nacktes Quartett</translation>
    </message>
    <message>
        <source>Jellyfish</source>
        <translation>Qualle</translation>
    </message>
    <message>
        <source>Hidden Quad</source>
        <translation>Verstecktes Quartett</translation>
    </message>
    <message>
        <source>Three Strong Links</source>
        <translation>Drei starke Verbindungen</translation>
    </message>
    <message>
        <source>WXYZ-Wing</source>
        <translation>WXYZ-Wing</translation>
    </message>
    <message>
        <source>Bivalue Universal Grave</source>
        <translation>Bivalue Universal Grave (BUG)</translation>
    </message>
    <message>
        <source>Aligned Pair Exclusion</source>
        <translation>Ausschluss ausgerichteter Paare</translation>
    </message>
    <message>
        <source>VWXYZ-Wing</source>
        <translation>VWXYZ-Wing</translation>
    </message>
    <message>
        <source>Forcing Chains and Cycles</source>
        <translation>Erzwingende Ketten und Zyklen</translation>
    </message>
    <message>
        <source>Aligned Triple Exclusion</source>
        <translation>Ausschluss ausgerichteter Drillinge</translation>
    </message>
    <message>
        <source>Nishio Forcing Chains</source>
        <translation>Nishio-Ketten</translation>
    </message>
    <message>
        <source>Multiple Forcing Chains</source>
        <translation>Mehrfache erzwingende Ketten</translation>
    </message>
    <message>
        <source>Dynamic Forcing Chains</source>
        <translation>Dynamische erzwingende Ketten</translation>
    </message>
    <message>
        <source>Dynamic Forcing Chains (+)</source>
        <translation>Dynamische erzwingende Ketten (+)</translation>
    </message>
    <message>
        <source>Nested Forcing Chains</source>
        <translation>Verschachtelte erzwingende Ketten</translation>
    </message>
    <message>
        <source>row %1</source>
        <translation>Zeile %1</translation>
    </message>
    <message>
        <source>column %1</source>
        <translation>Spalte %1</translation>
    </message>
    <message>
        <source>box %1</source>
        <translation>Block %1</translation>
    </message>
    <message>
        <source>%1 from %2</source>
        <translation>%1 aus %2</translation>
    </message>
    <message>
        <source>Hidden single in %1: %2 can only be %3</source>
        <translation>Versteckter Einer in %1: %2 kann nur %3 sein</translation>
    </message>
    <message>
        <source>Naked single: %1 can only be %2</source>
        <translation>Nackter Einer: %1 kann nur %2 sein</translation>
    </message>
    <message>
        <source>%1: removes %2</source>
        <translation>%1: entfernt %2</translation>
    </message>
    <message>
        <source>%1: %2, and removes %3</source>
        <translation>%1: %2, und entfernt %3</translation>
    </message>
    <message>
        <source>1 to 9: enter a digit; Delete: empty the box<byte value="xd"/>Arrow keys: move between the boxes; Tab, Shift+Tab: move through the window<byte value="xd"/>%1: open a puzzle file; Page Down, Page Up: its next and previous puzzle<byte value="xd"/>%2: save the puzzle; %3: print the puzzle<byte value="xd"/>%4: copy the puzzle; %5: copy the solution; %6: paste a puzzle<byte value="xd"/>Ctrl+H: a hint on the board, Ctrl+H again applies it; Ctrl+M: show the candidates<byte value="xd"/>Ctrl+E: explain the solving path; Ctrl+K: where two solutions differ; Ctrl+N: a new puzzle, Esc stops it<byte value="xd"/>Alt and an underlined letter: a menu<byte value="xd"/>%7: quit</source>
        <translation>1 bis 9: Ziffer eingeben; Entf: Feld leeren<byte value="xd"/>Pfeiltasten: zwischen den Feldern wechseln; Tab, Umschalt+Tab: durch das Fenster gehen<byte value="xd"/>%1: Rätseldatei öffnen; Bild ab, Bild auf: nächstes und voriges Rätsel darin<byte value="xd"/>%2: Rätsel speichern; %3: Rätsel drucken<byte value="xd"/>%4: Rätsel kopieren; %5: Lösung kopieren; %6: Rätsel einfügen<byte value="xd"/>Strg+H: ein Tipp im Gitter, Strg+H erneut wendet ihn an; Strg+M: Kandidaten zeigen<byte value="xd"/>Strg+E: den Lösungsweg erklären; Strg+K: wo zwei Lösungen abweichen; Strg+N: ein neues Rätsel, Esc bricht ab<byte value="xd"/>Alt und ein unterstrichener Buchstabe: ein Menü<byte value="xd"/>%7: beenden</translation>
    </message>
    <message>
        <source>Bidirectional Cycle</source>
        <translation>Bidirektionaler Zyklus</translation>
    </message>
    <message>
        <source>Bivalue Universal Grave type 1</source>
        <translation>Bivalue Universal Grave (BUG) Typ 1</translation>
    </message>
    <message>
        <source>Bivalue Universal Grave type 2</source>
        <translation>Bivalue Universal Grave (BUG) Typ 2</translation>
    </message>
    <message>
        <source>Bivalue Universal Grave type 3</source>
        <translation>Bivalue Universal Grave (BUG) Typ 3</translation>
    </message>
    <message>
        <source>Bivalue Universal Grave type 4</source>
        <translation>Bivalue Universal Grave (BUG) Typ 4</translation>
    </message>
    <message>
        <source>Cell Forcing Chains</source>
        <translation>Erzwingende Ketten aus einer Zelle</translation>
    </message>
    <message>
        <source>Contradiction Forcing Chains</source>
        <translation>Erzwingende Ketten zum Widerspruch</translation>
    </message>
    <message>
        <source>Double Forcing Chains</source>
        <translation>Doppelte erzwingende Ketten</translation>
    </message>
    <message>
        <source>Region Forcing Chains</source>
        <translation>Erzwingende Ketten aus einer Einheit</translation>
    </message>
    <message>
        <source>Dynamic Cell Forcing Chains</source>
        <translation>Dynamische erzwingende Ketten aus einer Zelle</translation>
    </message>
    <message>
        <source>Dynamic Contradiction Forcing Chains</source>
        <translation>Dynamische erzwingende Ketten zum Widerspruch</translation>
    </message>
    <message>
        <source>Dynamic Double Forcing Chains</source>
        <translation>Dynamische doppelte erzwingende Ketten</translation>
    </message>
    <message>
        <source>Dynamic Region Forcing Chains</source>
        <translation>Dynamische erzwingende Ketten aus einer Einheit</translation>
    </message>
    <message>
        <source>Dynamic Cell Forcing Chains (+)</source>
        <translation>Dynamische erzwingende Ketten aus einer Zelle (+)</translation>
    </message>
    <message>
        <source>Dynamic Contradiction Forcing Chains (+)</source>
        <translation>Dynamische erzwingende Ketten zum Widerspruch (+)</translation>
    </message>
    <message>
        <source>Dynamic Double Forcing Chains (+)</source>
        <translation>Dynamische doppelte erzwingende Ketten (+)</translation>
    </message>
    <message>
        <source>Dynamic Region Forcing Chains (+)</source>
        <translation>Dynamische erzwingende Ketten aus einer Einheit (+)</translation>
    </message>
    <message>
        <source>Forcing Chain</source>
        <translation>Erzwingende Kette</translation>
    </message>
    <message>
        <source>Unique Loop type 1</source>
        <translation>Eindeutige Schleife Typ 1</translation>
    </message>
    <message>
        <source>Unique Loop type 2</source>
        <translation>Eindeutige Schleife Typ 2</translation>
    </message>
    <message>
        <source>Unique Loop type 3</source>
        <translation>Eindeutige Schleife Typ 3</translation>
    </message>
    <message>
        <source>Unique Loop type 4</source>
        <translation>Eindeutige Schleife Typ 4</translation>
    </message>
    <message>
        <source>Unique Rectangle type 1</source>
        <translation>Eindeutiges Rechteck Typ 1</translation>
    </message>
    <message>
        <source>Unique Rectangle type 2</source>
        <translation>Eindeutiges Rechteck Typ 2</translation>
    </message>
    <message>
        <source>Unique Rectangle type 3</source>
        <translation>Eindeutiges Rechteck Typ 3</translation>
    </message>
    <message>
        <source>Unique Rectangle type 4</source>
        <translation>Eindeutiges Rechteck Typ 4</translation>
    </message>
    <message>
        <source>X-Chain</source>
        <translation>X-Kette</translation>
    </message>
    <message>
        <source>X-Cycle</source>
        <translation>X-Zyklus</translation>
    </message>
    <message>
        <source>Y-Cycle</source>
        <translation>Y-Zyklus</translation>
    </message>
    <message>
        <source>%1 in %2: removes %3</source>
        <translation>%1 in %2: entfernt %3</translation>
    </message>
</context>
</TS>
