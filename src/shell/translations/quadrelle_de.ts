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
</context>
</TS>
