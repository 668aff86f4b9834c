<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>AboutBox</name>
    <message>
        <source>About Lumvane</source>
        <translation>Über Lumvane</translation>
    </message>
    <message>
        <source>Version %1
Labels for CDs and DVDs and covers for their cases.</source>
        <translation>Version %1
Etiketten für CDs und DVDs und Cover für ihre Hüllen.</translation>
    </message>
    <message>
        <source>Visit Lumvane HomePage</source>
        <translation>Lumvane-Homepage besuchen</translation>
    </message>
    <message>
        <source>Technical Support</source>
        <translation>Technischer Support</translation>
    </message>
    <message>
        <source>Licence: GNU General Public License, version 3 or later</source>
        <translation>Lizenz: GNU General Public License, Version 3 oder später</translation>
    </message>
</context>
<context>
    <name>ArtGallery</name>
    <message>
        <source>Layouts</source>
        <translation>Layouts</translation>
    </message>
    <message>
        <source>Stamps</source>
        <translation>Stempel</translation>
    </message>
    <message>
        <source>Backgrounds</source>
        <translation>Hintergründe</translation>
    </message>
    <message>
        <source>Drag a stamp onto the label</source>
        <translation>Ziehen Sie einen Stempel auf das Etikett</translation>
    </message>
    <message>
        <source>Insert Layout</source>
        <translation>Layout einfügen</translation>
    </message>
    <message>
        <source>Delete Layout</source>
        <translation>Layout löschen</translation>
    </message>
    <message>
        <source>Delete selected layout?</source>
        <translation>Das ausgewählte Layout löschen?</translation>
    </message>
    <message>
        <source>Warn</source>
        <translation>Warnung</translation>
    </message>
</context>
<context>
    <name>BackgroundCommands</name>
    <message>
        <source>Invalid image format!</source>
        <translation>Ungültiges Bildformat!</translation>
    </message>
</context>
<context>
    <name>CCirTextPanel</name>
    <message>
        <source>Cir</source>
        <translation>Kreis</translation>
    </message>
    <message>
        <source>Circular</source>
        <translation>Kreisförmig</translation>
    </message>
    <message>
        <source>Inv</source>
        <translation>Inv</translation>
    </message>
    <message>
        <source>Inverse</source>
        <translation>Umgekehrt</translation>
    </message>
    <message>
        <source>Angle</source>
        <translation>Winkel</translation>
    </message>
    <message>
        <source>Radius</source>
        <translation>Radius</translation>
    </message>
</context>
<context>
    <name>CDiscwrightApp</name>
    <message>
        <source>Lumvane is already running but does not answer.</source>
        <translation>Lumvane läuft bereits, antwortet aber nicht.</translation>
    </message>
</context>
<context>
    <name>CEmptyPanel</name>
    <message>
        <source>Please add or select object(s) in the working area</source>
        <translation>Bitte fügen Sie im Arbeitsbereich Objekte ein oder wählen Sie welche aus</translation>
    </message>
</context>
<context>
    <name>CFaceTabBar</name>
    <message>
        <source>Disk</source>
        <translation>CD</translation>
    </message>
    <message>
        <source>Front</source>
        <translation>Vorderseite</translation>
    </message>
    <message>
        <source>Inside</source>
        <translation>Innenseite</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Rückseite</translation>
    </message>
</context>
<context>
    <name>CMainFrame</name>
    <message>
        <source>This change could not be recorded for Undo (%1); Undo goes back to before it.</source>
        <translation>Diese Änderung konnte nicht für „Rückgängig“ aufgezeichnet werden (%1); „Rückgängig“ springt an den Stand davor zurück.</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Bereit</translation>
    </message>
    <message>
        <source>Art Gallery</source>
        <translation>Bildergalerie</translation>
    </message>
    <message>
        <source>Object Properties</source>
        <translation>Objekteigenschaften</translation>
    </message>
</context>
<context>
    <name>CMatchChooserDialog</name>
    <message>
        <source>Several entries match the disc. Choose one:</source>
        <translation>Mehrere Einträge passen zur CD. Bitte einen wählen:</translation>
    </message>
</context>
<context>
    <name>CPicturePanel</name>
    <message>
        <source>Keep Aspect Ratio</source>
        <translation>Seitenverhältnis beibehalten</translation>
    </message>
    <message>
        <source>Alpha channel</source>
        <translation>Alphakanal</translation>
    </message>
    <message>
        <source>Transparent</source>
        <translation>Transparent</translation>
    </message>
    <message>
        <source>flip</source>
        <translation>vertikal spiegeln</translation>
    </message>
    <message>
        <source>mirror</source>
        <translation>horizontal spiegeln</translation>
    </message>
    <message>
        <source>rotate left</source>
        <translation>nach links drehen</translation>
    </message>
    <message>
        <source>rotate right</source>
        <translation>nach rechts drehen</translation>
    </message>
    <message>
        <source>lighten</source>
        <translation>aufhellen</translation>
    </message>
    <message>
        <source>darken</source>
        <translation>abdunkeln</translation>
    </message>
    <message>
        <source>S</source>
        <translation>W</translation>
    </message>
    <message>
        <source>soften</source>
        <translation>weichzeichnen</translation>
    </message>
    <message>
        <source>H</source>
        <translation>S</translation>
    </message>
    <message>
        <source>sharpen</source>
        <translation>schärfen</translation>
    </message>
    <message>
        <source>N</source>
        <translation>N</translation>
    </message>
    <message>
        <source>negative</source>
        <translation>Negativ</translation>
    </message>
    <message>
        <source>G</source>
        <translation>G</translation>
    </message>
    <message>
        <source>grayscale</source>
        <translation>Graustufen</translation>
    </message>
</context>
<context>
    <name>CShapePanel</name>
    <message>
        <source>Rectangle</source>
        <translation>Rechteck</translation>
    </message>
    <message>
        <source>Round Rectangle</source>
        <translation>Abgerundetes Rechteck</translation>
    </message>
    <message>
        <source>ellipse</source>
        <translation>Ellipse</translation>
    </message>
    <message>
        <source>Diamond</source>
        <translation>Raute</translation>
    </message>
    <message>
        <source>Border Width</source>
        <translation>Randbreite</translation>
    </message>
    <message>
        <source>Background Color</source>
        <translation>Hintergrundfarbe</translation>
    </message>
    <message>
        <source>Border Color</source>
        <translation>Randfarbe</translation>
    </message>
</context>
<context>
    <name>CTextPanel</name>
    <message>
        <source>L</source>
        <translation>L</translation>
    </message>
    <message>
        <source>Align Left</source>
        <translation>Linksbündig</translation>
    </message>
    <message>
        <source>C</source>
        <translation>M</translation>
    </message>
    <message>
        <source>Align Center</source>
        <translation>Zentrieren</translation>
    </message>
    <message>
        <source>R</source>
        <translation>R</translation>
    </message>
    <message>
        <source>Align Right</source>
        <translation>Rechtsbündig</translation>
    </message>
</context>
<context>
    <name>CTipOfTheDay</name>
    <message>
        <source>The tabs under the page switch between the disc label, the front and inside of the booklet and the back insert.</source>
        <translation>Die Registerkarten unter der Seite wechseln zwischen dem CD-Etikett, der Vorder- und Innenseite des Booklets und dem Rückeinleger.</translation>
    </message>
    <message>
        <source>Press Tab to select the next object of the face, and Ctrl+A to select them all.</source>
        <translation>Mit Tab wählen Sie das nächste Objekt der Seite aus, mit Strg+A alle.</translation>
    </message>
    <message>
        <source>Arrow keys move the selected objects by one pixel; hold Ctrl to move them by 5 mm.</source>
        <translation>Die Pfeiltasten verschieben die ausgewählten Objekte um ein Pixel; mit gedrückter Strg-Taste um 5 mm.</translation>
    </message>
    <message>
        <source>Turn on the grid (View &gt; Show/Hide Grid) and moved or resized objects snap to 5 mm steps.</source>
        <translation>Schalten Sie das Raster ein (Ansicht &gt; Raster ein/aus), dann rasten verschobene oder in der Größe geänderte Objekte in 5-mm-Schritten ein.</translation>
    </message>
    <message>
        <source>Lock an object (Object &gt; Lock/unlock Object) so that the mouse cannot move it by accident.</source>
        <translation>Sperren Sie ein Objekt (Objekt &gt; Objekt sperren/entsperren), damit die Maus es nicht versehentlich verschiebt.</translation>
    </message>
    <message>
        <source>Drop a picture file from your file manager onto the page to place it where you let go.</source>
        <translation>Ziehen Sie eine Bilddatei aus dem Dateimanager auf die Seite, um sie dort abzulegen, wo Sie loslassen.</translation>
    </message>
    <message>
        <source>Texts can show the album&apos;s data: fill it in with Edit &gt; Edit Tracks Information...</source>
        <translation>Texte können die Daten des Albums zeigen: Tragen Sie sie unter Bearbeiten &gt; Titelinformationen bearbeiten... ein.</translation>
    </message>
    <message>
        <source>A picture can cover the whole face: select it and choose Edit &gt; Set as Background Image.</source>
        <translation>Ein Bild kann die ganze Seite bedecken: Wählen Sie es aus und dann Bearbeiten &gt; Als Hintergrundbild festlegen.</translation>
    </message>
    <message>
        <source>Tip of the Day</source>
        <translation>Tipp des Tages</translation>
    </message>
    <message>
        <source>&lt;b&gt;Did you know...&lt;/b&gt;</source>
        <translation>&lt;b&gt;Wussten Sie schon...&lt;/b&gt;</translation>
    </message>
    <message>
        <source>&amp;Show tips at startup</source>
        <translation>Tipps beim &amp;Start zeigen</translation>
    </message>
    <message>
        <source>&amp;Next Tip</source>
        <translation>&amp;Nächster Tipp</translation>
    </message>
</context>
<context>
    <name>CTrackInfoDialog</name>
    <message>
        <source>CD Tracks Information</source>
        <translation>CD-Titelinformationen</translation>
    </message>
    <message>
        <source>Artist</source>
        <translation>Interpret</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Jahr</translation>
    </message>
    <message>
        <source>Album Title</source>
        <translation>Albumtitel</translation>
    </message>
    <message>
        <source>#</source>
        <translation>Nr.</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titel</translation>
    </message>
    <message>
        <source>Play Time</source>
        <translation>Dauer</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Nach oben</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Nach unten</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Import...</source>
        <translation>Importieren...</translation>
    </message>
    <message>
        <source>Query CD Info from CDDB</source>
        <translation>CD in der CDDB nachschlagen</translation>
    </message>
    <message>
        <source>Delete the item(s) you have selected?</source>
        <translation>Die ausgewählten Einträge löschen?</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>Get Track Information</source>
        <translation>Titelinformationen abrufen</translation>
    </message>
    <message>
        <source>mp3 files(*.mp3)</source>
        <translation>MP3-Dateien (*.mp3)</translation>
    </message>
    <message>
        <source>mp4 files(*.mp4,*.m4a) (*.mp4 *.m4a)</source>
        <translation>MP4-Dateien (*.mp4 *.m4a)</translation>
    </message>
    <message>
        <source>wav files (*.wav)</source>
        <translation>WAV-Dateien (*.wav)</translation>
    </message>
    <message>
        <source>pls files (*.pls)</source>
        <translation>PLS-Dateien (*.pls)</translation>
    </message>
    <message>
        <source>m3u files (*.m3u)</source>
        <translation>M3U-Dateien (*.m3u)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Query CD Info from MusicBrainz</source>
        <translation>CD bei MusicBrainz nachschlagen</translation>
    </message>
    <message>
        <source>Music files (*.mp3 *.flac *.ogg *.oga *.opus *.m4a *.mp4 *.aac *.wav *.aiff *.aif *.wma *.ape *.pls *.m3u)</source>
        <translation>Musikdateien (*.mp3 *.flac *.ogg *.oga *.opus *.m4a *.mp4 *.aac *.wav *.aiff *.aif *.wma *.ape *.pls *.m3u)</translation>
    </message>
    <message>
        <source>flac files (*.flac)</source>
        <translation>FLAC-Dateien (*.flac)</translation>
    </message>
    <message>
        <source>ogg files (*.ogg *.oga *.opus)</source>
        <translation>Ogg-Dateien (*.ogg *.oga *.opus)</translation>
    </message>
    <message>
        <source>Reading the music files...</source>
        <translation>Die Musikdateien werden gelesen...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Embedded in %1</source>
        <translation>Eingebettet in %1</translation>
    </message>
    <message numerus="yes">
        <source>Only the first %n file(s) were imported.</source>
        <translation>
            <numerusform>Nur %n Datei wurde importiert.</numerusform>
            <numerusform>Nur die ersten %n Dateien wurden importiert.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The import was cancelled: %n track(s) read.</source>
        <translation>
            <numerusform>Der Import wurde abgebrochen: %n Titel gelesen.</numerusform>
            <numerusform>Der Import wurde abgebrochen: %n Titel gelesen.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n track(s) from music files.</source>
        <translation>
            <numerusform>%n Titel aus Musikdateien.</numerusform>
            <numerusform>%n Titel aus Musikdateien.</numerusform>
        </translation>
    </message>
    <message>
        <source>Front cover from the Cover Art Archive</source>
        <translation>Bild der Vorderseite aus dem Cover Art Archive</translation>
    </message>
    <message>
        <source>Titles from the disc&apos;s CD-TEXT. Press &quot;%1&quot; again to ask the CDDB server.</source>
        <translation>Titel aus dem CD-TEXT der CD. Drücken Sie erneut „%1“, um den CDDB-Server zu fragen.</translation>
    </message>
    <message>
        <source>A play time reads m:ss, mm:ss or h:mm:ss, such as 4:05 or 1:02:30.</source>
        <translation>Eine Spielzeit lautet m:ss, mm:ss oder h:mm:ss, etwa 4:05 oder 1:02:30.</translation>
    </message>
</context>
<context>
    <name>CTrackLookup</name>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Choose the Disc</source>
        <translation>CD auswählen</translation>
    </message>
    <message>
        <source>Asking the CDDB server about the CD...</source>
        <translation>Der CDDB-Server wird nach der CD gefragt...</translation>
    </message>
    <message>
        <source>Reading the CD&apos;s entry from the CDDB server...</source>
        <translation>Der Eintrag der CD wird vom CDDB-Server gelesen...</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Kategorie</translation>
    </message>
    <message>
        <source>Disc ID</source>
        <translation>Disc-ID</translation>
    </message>
    <message>
        <source>Artist</source>
        <translation>Interpret</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titel</translation>
    </message>
    <message>
        <source>Asking MusicBrainz about the CD...</source>
        <translation>MusicBrainz wird nach der CD gefragt...</translation>
    </message>
    <message>
        <source>Fetching the front cover...</source>
        <translation>Das Bild der Vorderseite wird geladen...</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>Land</translation>
    </message>
    <message>
        <source>Tracks</source>
        <translation>Titelzahl</translation>
    </message>
    <message>
        <source>Reading the disc&apos;s CD-TEXT...</source>
        <translation>Der CD-TEXT der CD wird gelesen...</translation>
    </message>
</context>
<context>
    <name>CVectorPanel</name>
    <message>
        <source>Keep Aspect Ratio</source>
        <translation>Seitenverhältnis beibehalten</translation>
    </message>
    <message>
        <source>(this is an vector image)</source>
        <translation>(dies ist eine Vektorgrafik)</translation>
    </message>
</context>
<context>
    <name>CalibrationSheet</name>
    <message>
        <source>label %1</source>
        <translation>Etikett %1</translation>
    </message>
    <message>
        <source>Lumvane calibration sheet for &quot;%1&quot;, printed without alignment. Print it on the label stock and read, on each ruler, the number where the label&apos;s die-cut edge crosses it (hold the sheet against the light). With L, R the left and right readings and T, B the top and bottom ones, enter in Settings &gt; Printer Alignment: Horizontal = (L + R) / 2, Vertical = (T + B) / 2, Width = L - R, Height = B - T (whole millimetres).</source>
        <translation>Lumvane-Kalibrierbogen für „%1“, ohne Ausrichtung gedruckt. Drucken Sie ihn auf den Etikettenbogen und lesen Sie an jedem Lineal die Zahl ab, an der die Stanzkante des Etiketts es kreuzt (halten Sie den Bogen gegen das Licht). Mit L, R für die Werte links und rechts und O, U für die Werte oben und unten tragen Sie unter Einstellungen &gt; Druckerausrichtung ein: Horizontal = (L + R) / 2, Vertikal = (O + U) / 2, Breite = L - R, Höhe = U - O (ganze Millimeter).</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; could not start printing.</source>
        <translation>Der Drucker „%1“ konnte den Druck nicht beginnen.</translation>
    </message>
</context>
<context>
    <name>CddbLookup</name>
    <message>
        <source>Failed to Query,error:%1</source>
        <translation>Die Abfrage ist fehlgeschlagen, Fehler: %1</translation>
    </message>
    <message>
        <source>No match found!</source>
        <translation>Keine passende CD gefunden!</translation>
    </message>
    <message>
        <source>Failed to read,error:%1</source>
        <translation>Das Lesen ist fehlgeschlagen, Fehler: %1</translation>
    </message>
</context>
<context>
    <name>ClipboardCommands</name>
    <message>
        <source>Failed to open Clipboard!</source>
        <translation>Die Zwischenablage konnte nicht geöffnet werden!</translation>
    </message>
    <message>
        <source>Failed to get Clipboard data!</source>
        <translation>Die Daten der Zwischenablage konnten nicht gelesen werden!</translation>
    </message>
</context>
<context>
    <name>CommandTable</name>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>Start a new project</source>
        <translation>Ein neues Projekt beginnen</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>Ö&amp;ffnen...</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Open a project file</source>
        <translation>Eine Projektdatei öffnen</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Save the project</source>
        <translation>Das Projekt speichern</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Speichern &amp;unter...</translation>
    </message>
    <message>
        <source>Save the project under a new name</source>
        <translation>Das Projekt unter einem neuen Namen speichern</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Drucken...</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Print the project&apos;s faces</source>
        <translation>Die Seiten des Projekts drucken</translation>
    </message>
    <message>
        <source>Print Pre&amp;view...</source>
        <translation>Druck&amp;vorschau...</translation>
    </message>
    <message>
        <source>Show the sheets as they will print</source>
        <translation>Die Bögen so zeigen, wie sie gedruckt werden</translation>
    </message>
    <message>
        <source>&amp;Export to PDF...</source>
        <translation>Als &amp;PDF exportieren...</translation>
    </message>
    <message>
        <source>Write the sheets to a PDF file</source>
        <translation>Die Bögen in eine PDF-Datei schreiben</translation>
    </message>
    <message>
        <source>P&amp;rint Setup...</source>
        <translation>Drucker&amp;einrichtung...</translation>
    </message>
    <message>
        <source>Choose a printer and its options</source>
        <translation>Einen Drucker und seine Optionen wählen</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Quit Lumvane, asking to save the project</source>
        <translation>Lumvane beenden; vorher wird gefragt, ob das Projekt gespeichert werden soll</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Undo the last change</source>
        <translation>Die letzte Änderung rückgängig machen</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Wiederherstellen</translation>
    </message>
    <message>
        <source>Redo the change undone last</source>
        <translation>Die zuletzt rückgängig gemachte Änderung wiederherstellen</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>&amp;Ausschneiden</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Ausschneiden</translation>
    </message>
    <message>
        <source>Move the selected objects to the clipboard</source>
        <translation>Die ausgewählten Objekte in die Zwischenablage verschieben</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Copy the selected objects to the clipboard</source>
        <translation>Die ausgewählten Objekte in die Zwischenablage kopieren</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Einfügen</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>Insert the clipboard&apos;s objects, text or picture</source>
        <translation>Objekte, Text oder Bild aus der Zwischenablage einfügen</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Delete the selected objects</source>
        <translation>Die ausgewählten Objekte löschen</translation>
    </message>
    <message>
        <source>Change Label Stock...</source>
        <translation>Etiketten&amp;bogen ändern...</translation>
    </message>
    <message>
        <source>Change Label Stock</source>
        <translation>Etikettenbogen ändern</translation>
    </message>
    <message>
        <source>Choose the label stocks the faces print on</source>
        <translation>Die Etikettenbögen wählen, auf die die Seiten gedruckt werden</translation>
    </message>
    <message>
        <source>Edit Tracks Information...</source>
        <translation>&amp;Titelinformationen bearbeiten...</translation>
    </message>
    <message>
        <source>Edit Tracks Information</source>
        <translation>Titelinformationen bearbeiten</translation>
    </message>
    <message>
        <source>Edit the album&apos;s tracks, title, artist and year</source>
        <translation>Titelliste, Albumtitel, Interpret und Jahr des Albums bearbeiten</translation>
    </message>
    <message>
        <source>Export Cover As Images...</source>
        <translation>Cover als Bil&amp;der exportieren...</translation>
    </message>
    <message>
        <source>Save faces as JPEG pictures</source>
        <translation>Seiten als JPEG-Bilder speichern</translation>
    </message>
    <message>
        <source>Export As Layouts...</source>
        <translation>Als La&amp;youts exportieren...</translation>
    </message>
    <message>
        <source>Export As Layouts</source>
        <translation>Als Layouts exportieren</translation>
    </message>
    <message>
        <source>Save faces as layouts for other projects</source>
        <translation>Seiten als Layouts für andere Projekte speichern</translation>
    </message>
    <message>
        <source>Settings...</source>
        <translation>Ein&amp;stellungen...</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Change printing, internet and default options</source>
        <translation>Druck-, Internet- und Standardoptionen ändern</translation>
    </message>
    <message>
        <source>Set as Background Image</source>
        <translation>Als &amp;Hintergrundbild festlegen</translation>
    </message>
    <message>
        <source>Make the selected picture the face&apos;s background</source>
        <translation>Das ausgewählte Bild zum Hintergrund der Seite machen</translation>
    </message>
    <message>
        <source>Remove Background Image</source>
        <translation>Hintergrundbild ent&amp;fernen</translation>
    </message>
    <message>
        <source>Remove the face&apos;s background picture</source>
        <translation>Das Hintergrundbild der Seite entfernen</translation>
    </message>
    <message>
        <source>Set Background Color</source>
        <translation>Hinter&amp;grundfarbe festlegen</translation>
    </message>
    <message>
        <source>Choose the face&apos;s background colour</source>
        <translation>Die Hintergrundfarbe der Seite wählen</translation>
    </message>
    <message>
        <source>&amp;Main Toolbar</source>
        <translation>&amp;Hauptsymbolleiste</translation>
    </message>
    <message>
        <source>Show or hide the main toolbar</source>
        <translation>Die Hauptsymbolleiste ein- oder ausblenden</translation>
    </message>
    <message>
        <source>&amp;Property Bar</source>
        <translation>&amp;Eigenschaftsleiste</translation>
    </message>
    <message>
        <source>Show or hide the object properties</source>
        <translation>Die Objekteigenschaften ein- oder ausblenden</translation>
    </message>
    <message>
        <source>&amp;Object Bar</source>
        <translation>&amp;Objektleiste</translation>
    </message>
    <message>
        <source>Show or hide the object toolbar</source>
        <translation>Die Objektsymbolleiste ein- oder ausblenden</translation>
    </message>
    <message>
        <source>&amp;Template Window</source>
        <translation>&amp;Vorlagenfenster</translation>
    </message>
    <message>
        <source>Show or hide the art gallery</source>
        <translation>Die Bildergalerie ein- oder ausblenden</translation>
    </message>
    <message>
        <source>&amp;Align Bar</source>
        <translation>&amp;Ausrichtungsleiste</translation>
    </message>
    <message>
        <source>Show or hide the align toolbar</source>
        <translation>Die Ausrichtungsleiste ein- oder ausblenden</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>&amp;Statusleiste</translation>
    </message>
    <message>
        <source>Show or hide the status bar</source>
        <translation>Die Statusleiste ein- oder ausblenden</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Ver&amp;größern</translation>
    </message>
    <message>
        <source>Show the face larger</source>
        <translation>Die Seite größer zeigen</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Ver&amp;kleinern</translation>
    </message>
    <message>
        <source>Show the face smaller</source>
        <translation>Die Seite kleiner zeigen</translation>
    </message>
    <message>
        <source>Zoom 100%</source>
        <translation>Zoom &amp;100 %</translation>
    </message>
    <message>
        <source>Show the face at its real size</source>
        <translation>Die Seite in Originalgröße zeigen</translation>
    </message>
    <message>
        <source>Show/Hide Grid</source>
        <translation>&amp;Raster ein/aus</translation>
    </message>
    <message>
        <source>Show or hide the 5 mm grid objects snap to</source>
        <translation>Das 5-mm-Raster ein- oder ausblenden, an dem Objekte einrasten</translation>
    </message>
    <message>
        <source>&amp;Select Object</source>
        <translation>Objekt aus&amp;wählen</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Auswählen</translation>
    </message>
    <message>
        <source>Select, move and resize objects</source>
        <translation>Objekte auswählen, verschieben und in der Größe ändern</translation>
    </message>
    <message>
        <source>&amp;Rectangle</source>
        <translation>&amp;Rechteck</translation>
    </message>
    <message>
        <source>Rectangle</source>
        <translation>Rechteck</translation>
    </message>
    <message>
        <source>Draw a rectangle</source>
        <translation>Ein Rechteck zeichnen</translation>
    </message>
    <message>
        <source>R&amp;ound Rectangle</source>
        <translation>Ab&amp;gerundetes Rechteck</translation>
    </message>
    <message>
        <source>Round Rectangle</source>
        <translation>Abgerundetes Rechteck</translation>
    </message>
    <message>
        <source>Draw a rectangle with round corners</source>
        <translation>Ein Rechteck mit runden Ecken zeichnen</translation>
    </message>
    <message>
        <source>&amp;Ellipse</source>
        <translation>&amp;Ellipse</translation>
    </message>
    <message>
        <source>Ellipse</source>
        <translation>Ellipse</translation>
    </message>
    <message>
        <source>Draw an ellipse</source>
        <translation>Eine Ellipse zeichnen</translation>
    </message>
    <message>
        <source>&amp;Diamond</source>
        <translation>Ra&amp;ute</translation>
    </message>
    <message>
        <source>Diamond</source>
        <translation>Raute</translation>
    </message>
    <message>
        <source>Draw a diamond</source>
        <translation>Eine Raute zeichnen</translation>
    </message>
    <message>
        <source>&amp;Text </source>
        <translation>&amp;Text</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Draw a text box</source>
        <translation>Ein Textfeld zeichnen</translation>
    </message>
    <message>
        <source>&amp;Circular Text</source>
        <translation>&amp;Kreistext</translation>
    </message>
    <message>
        <source>Circular Text</source>
        <translation>Kreistext</translation>
    </message>
    <message>
        <source>Insert text running round a circle</source>
        <translation>Text einfügen, der im Kreis verläuft</translation>
    </message>
    <message>
        <source>&amp;Image</source>
        <translation>B&amp;ild</translation>
    </message>
    <message>
        <source>Image</source>
        <translation>Bild</translation>
    </message>
    <message>
        <source>Insert a picture from a file</source>
        <translation>Ein Bild aus einer Datei einfügen</translation>
    </message>
    <message>
        <source>Image &amp;Browser...</source>
        <translation>&amp;Bildbrowser...</translation>
    </message>
    <message>
        <source>Image Browser</source>
        <translation>Bildbrowser</translation>
    </message>
    <message>
        <source>Browse folders for pictures</source>
        <translation>Ordner nach Bildern durchsuchen</translation>
    </message>
    <message>
        <source>&amp;Lock/unlock Object</source>
        <translation>Objekt &amp;sperren/entsperren</translation>
    </message>
    <message>
        <source>Lock/unlock Object</source>
        <translation>Objekt sperren/entsperren</translation>
    </message>
    <message>
        <source>Lock the selected objects in place, or free them</source>
        <translation>Die ausgewählten Objekte an ihrem Platz sperren oder wieder freigeben</translation>
    </message>
    <message>
        <source>&amp;Select next object</source>
        <translation>&amp;Nächstes Objekt auswählen</translation>
    </message>
    <message>
        <source>Select next object</source>
        <translation>Nächstes Objekt auswählen</translation>
    </message>
    <message>
        <source>Select the next object of the face (Tab)</source>
        <translation>Das nächste Objekt der Seite auswählen (Tab)</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>&amp;Alles auswählen</translation>
    </message>
    <message>
        <source>Select every object of the face</source>
        <translation>Alle Objekte der Seite auswählen</translation>
    </message>
    <message>
        <source>Align &amp;Left</source>
        <translation>&amp;Links ausrichten</translation>
    </message>
    <message>
        <source>Align Left</source>
        <translation>Links ausrichten</translation>
    </message>
    <message>
        <source>Line up the left edges of the selected objects</source>
        <translation>Die linken Kanten der ausgewählten Objekte bündig ausrichten</translation>
    </message>
    <message>
        <source>Align &amp;Right</source>
        <translation>&amp;Rechts ausrichten</translation>
    </message>
    <message>
        <source>Align Right</source>
        <translation>Rechts ausrichten</translation>
    </message>
    <message>
        <source>Line up the right edges of the selected objects</source>
        <translation>Die rechten Kanten der ausgewählten Objekte bündig ausrichten</translation>
    </message>
    <message>
        <source>Align &amp;Top</source>
        <translation>&amp;Oben ausrichten</translation>
    </message>
    <message>
        <source>Align Top</source>
        <translation>Oben ausrichten</translation>
    </message>
    <message>
        <source>Line up the top edges of the selected objects</source>
        <translation>Die oberen Kanten der ausgewählten Objekte bündig ausrichten</translation>
    </message>
    <message>
        <source>Align &amp;Bottom</source>
        <translation>&amp;Unten ausrichten</translation>
    </message>
    <message>
        <source>Align Bottom</source>
        <translation>Unten ausrichten</translation>
    </message>
    <message>
        <source>Line up the bottom edges of the selected objects</source>
        <translation>Die unteren Kanten der ausgewählten Objekte bündig ausrichten</translation>
    </message>
    <message>
        <source>Center &amp;Vertical</source>
        <translation>&amp;Vertikal zentrieren</translation>
    </message>
    <message>
        <source>Center Vertical</source>
        <translation>Vertikal zentrieren</translation>
    </message>
    <message>
        <source>Centre the selected objects between the face&apos;s top and bottom</source>
        <translation>Die ausgewählten Objekte zwischen Ober- und Unterkante der Seite zentrieren</translation>
    </message>
    <message>
        <source>Center &amp;Horizontal</source>
        <translation>&amp;Horizontal zentrieren</translation>
    </message>
    <message>
        <source>Center Horizontal</source>
        <translation>Horizontal zentrieren</translation>
    </message>
    <message>
        <source>Centre the selected objects between the face&apos;s sides</source>
        <translation>Die ausgewählten Objekte zwischen den Seitenrändern zentrieren</translation>
    </message>
    <message>
        <source>Make Same &amp;Width</source>
        <translation>Gleiche &amp;Breite</translation>
    </message>
    <message>
        <source>Make Same Width</source>
        <translation>Gleiche Breite</translation>
    </message>
    <message>
        <source>Give the selected objects the largest width</source>
        <translation>Den ausgewählten Objekten die größte Breite geben</translation>
    </message>
    <message>
        <source>Make Same &amp;Height</source>
        <translation>Gleiche H&amp;öhe</translation>
    </message>
    <message>
        <source>Make Same Height</source>
        <translation>Gleiche Höhe</translation>
    </message>
    <message>
        <source>Give the selected objects the largest height</source>
        <translation>Den ausgewählten Objekten die größte Höhe geben</translation>
    </message>
    <message>
        <source>Make Same &amp;Size</source>
        <translation>Gleiche &amp;Größe</translation>
    </message>
    <message>
        <source>Make Same Size</source>
        <translation>Gleiche Größe</translation>
    </message>
    <message>
        <source>Give the selected objects the largest width and height</source>
        <translation>Den ausgewählten Objekten die größte Breite und Höhe geben</translation>
    </message>
    <message>
        <source>&amp;Bring object to front</source>
        <translation>&amp;In den Vordergrund</translation>
    </message>
    <message>
        <source>Bring object to front</source>
        <translation>In den Vordergrund</translation>
    </message>
    <message>
        <source>Put the object on top of all others</source>
        <translation>Das Objekt über alle anderen legen</translation>
    </message>
    <message>
        <source>&amp;Send object to back</source>
        <translation>In den &amp;Hintergrund</translation>
    </message>
    <message>
        <source>Send object to back</source>
        <translation>In den Hintergrund</translation>
    </message>
    <message>
        <source>Put the object beneath all others</source>
        <translation>Das Objekt unter alle anderen legen</translation>
    </message>
    <message>
        <source>Move object to &amp;next positon in z-order</source>
        <translation>Eine Ebene nach &amp;vorne</translation>
    </message>
    <message>
        <source>Move to next in z-order</source>
        <translation>Eine Ebene nach vorne</translation>
    </message>
    <message>
        <source>Move the object one step up</source>
        <translation>Das Objekt eine Ebene nach oben legen</translation>
    </message>
    <message>
        <source>Move object to &amp;previous positon in z-order</source>
        <translation>Eine Ebene nach hin&amp;ten</translation>
    </message>
    <message>
        <source>Move to previous in z-order</source>
        <translation>Eine Ebene nach hinten</translation>
    </message>
    <message>
        <source>Move the object one step down</source>
        <translation>Das Objekt eine Ebene nach unten legen</translation>
    </message>
    <message>
        <source>Ti&amp;p of the Day...</source>
        <translation>&amp;Tipp des Tages...</translation>
    </message>
    <message>
        <source>Show a hint about using Lumvane</source>
        <translation>Einen Tipp zur Arbeit mit Lumvane zeigen</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Inhalt</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Open the Lumvane manual</source>
        <translation>Das Lumvane-Handbuch öffnen</translation>
    </message>
    <message>
        <source>&amp;Tech Support</source>
        <translation>Technischer &amp;Support</translation>
    </message>
    <message>
        <source>Write to Lumvane&apos;s technical support</source>
        <translation>An den technischen Support von Lumvane schreiben</translation>
    </message>
    <message>
        <source>&amp;HomePage</source>
        <translation>&amp;Homepage</translation>
    </message>
    <message>
        <source>Visit Lumvane&apos;s home page</source>
        <translation>Die Homepage von Lumvane besuchen</translation>
    </message>
    <message>
        <source>&amp;About Lumvane...</source>
        <translation>Ü&amp;ber Lumvane...</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>Show the program&apos;s version</source>
        <translation>Die Version des Programms zeigen</translation>
    </message>
</context>
<context>
    <name>CoverChoice</name>
    <message>
        <source>Use as front cover</source>
        <translation>Als Bild der Vorderseite verwenden</translation>
    </message>
    <message>
        <source>%1 × %2 pixels</source>
        <translation>%1 × %2 Pixel</translation>
    </message>
</context>
<context>
    <name>DiscTrayAlignmentBox</name>
    <message>
        <source>Disc Tray</source>
        <translation>Disc-Fach</translation>
    </message>
    <message>
        <source>Print Disc Tray Alignment...</source>
        <translation>Disc-Fach-Ausrichtung drucken...</translation>
    </message>
    <message>
        <source>Prints circles and scales on a disc in the printer&apos;s tray, to read how far the print lands from the disc&apos;s centre</source>
        <translation>Druckt Kreise und Skalen auf eine Disc im Fach des Druckers, um abzulesen, wie weit der Druck von der Mitte der Disc abweicht</translation>
    </message>
    <message>
        <source>Moves every disc printed in this printer&apos;s tray: positive values move the print right and down. Add the numbers the alignment print shows at the disc&apos;s centre.</source>
        <translation>Verschiebt jede im Fach dieses Druckers bedruckte Disc: positive Werte verschieben den Druck nach rechts und unten. Addieren Sie die Zahlen, die der Ausrichtungsdruck in der Mitte der Disc zeigt.</translation>
    </message>
    <message>
        <source>Printer</source>
        <translation>Drucker</translation>
    </message>
    <message>
        <source>Horizontal</source>
        <translation>Horizontal</translation>
    </message>
    <message>
        <source>Vertical</source>
        <translation>Vertikal</translation>
    </message>
</context>
<context>
    <name>DiscTrayJob</name>
    <message>
        <source>Disc Tray Alignment
%1, correction %2 mm right, %3 mm down</source>
        <translation>Disc-Fach-Ausrichtung
%1, Korrektur %2 mm rechts, %3 mm unten</translation>
    </message>
    <message>
        <source>Disc Tray Alignment</source>
        <translation>Disc-Fach-Ausrichtung</translation>
    </message>
</context>
<context>
    <name>DropHandler</name>
    <message>
        <source>Can not open file %1</source>
        <translation>Die Datei %1 kann nicht geöffnet werden</translation>
    </message>
</context>
<context>
    <name>EditTextDialog</name>
    <message>
        <source>Edit Text</source>
        <translation>Text bearbeiten</translation>
    </message>
</context>
<context>
    <name>ExportCommands</name>
    <message>
        <source>Export Image</source>
        <translation>Bild exportieren</translation>
    </message>
    <message>
        <source>These pictures were not written:
%1</source>
        <translation>Diese Bilder wurden nicht geschrieben:
%1</translation>
    </message>
    <message>
        <source>The layout cannot be inserted.
%1</source>
        <translation>Das Layout kann nicht eingefügt werden.
%1</translation>
    </message>
    <message>
        <source>Export Layout</source>
        <translation>Layout exportieren</translation>
    </message>
    <message>
        <source>Replace the layout %1?</source>
        <translation>Das Layout %1 ersetzen?</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a layout that comes with Lumvane and stays as it is. Your layout was saved beside it as:
%2</source>
        <translation>„%1“ ist ein Layout, das mit Lumvane geliefert wird, und bleibt unverändert. Ihr Layout wurde daneben gespeichert als:
%2</translation>
    </message>
    <message>
        <source>These faces hold no objects, so their layouts are empty and show blank thumbnails:
%1</source>
        <translation>Diese Seiten enthalten keine Objekte; ihre Layouts sind daher leer und zeigen leere Vorschaubilder:
%1</translation>
    </message>
</context>
<context>
    <name>ExportImageDialog</name>
    <message>
        <source>Export Image</source>
        <translation>Bild exportieren</translation>
    </message>
    <message>
        <source>Create Image Include</source>
        <translation>Bilder erstellen von</translation>
    </message>
    <message>
        <source>&amp;Disk</source>
        <translation>&amp;CD</translation>
    </message>
    <message>
        <source>CD Jewel Case &amp;Front</source>
        <translation>CD-Hülle &amp;Vorderseite</translation>
    </message>
    <message>
        <source>CD Jewel Case &amp;Inside</source>
        <translation>CD-Hülle &amp;Innenseite</translation>
    </message>
    <message>
        <source>CD Jewel Case &amp;Back</source>
        <translation>CD-Hülle &amp;Rückseite</translation>
    </message>
    <message>
        <source>JPEG picture (*.jpg)</source>
        <translation>JPEG-Bild (*.jpg)</translation>
    </message>
    <message>
        <source>PNG picture, transparent disc corners (*.png)</source>
        <translation>PNG-Bild, Ecken um die CD durchsichtig (*.png)</translation>
    </message>
    <message>
        <source>Screen size (96 dpi)</source>
        <translation>Bildschirmgröße (96 dpi)</translation>
    </message>
    <message>
        <source>Print shop (300 dpi)</source>
        <translation>Druckerei (300 dpi)</translation>
    </message>
    <message>
        <source>High quality print (600 dpi)</source>
        <translation>Hochwertiger Druck (600 dpi)</translation>
    </message>
    <message>
        <source>Image &amp;Name:</source>
        <translation>Bild&amp;name:</translation>
    </message>
    <message>
        <source>Export &amp;Directory:</source>
        <translation>Export&amp;ordner:</translation>
    </message>
    <message>
        <source>F&amp;ormat:</source>
        <translation>&amp;Format:</translation>
    </message>
    <message>
        <source>&amp;Resolution:</source>
        <translation>&amp;Auflösung:</translation>
    </message>
    <message>
        <source>You must input image name.</source>
        <translation>Bitte geben Sie einen Bildnamen ein.</translation>
    </message>
    <message>
        <source>You must select a cover image to export.</source>
        <translation>Bitte wählen Sie mindestens eine Seite zum Exportieren aus.</translation>
    </message>
    <message>
        <source>You must input export path.</source>
        <translation>Bitte geben Sie einen Exportordner ein.</translation>
    </message>
    <message>
        <source>Select a Directory:</source>
        <translation>Ordner wählen:</translation>
    </message>
</context>
<context>
    <name>ExportLayoutDialog</name>
    <message>
        <source>Export Layout</source>
        <translation>Layout exportieren</translation>
    </message>
    <message>
        <source>Create Layout include </source>
        <translation>Layout erstellen von</translation>
    </message>
    <message>
        <source>&amp;Disk</source>
        <translation>&amp;CD</translation>
    </message>
    <message>
        <source>CD Jewel Case &amp;Front</source>
        <translation>CD-Hülle &amp;Vorderseite</translation>
    </message>
    <message>
        <source>CD Jewel Case &amp;Inside</source>
        <translation>CD-Hülle &amp;Innenseite</translation>
    </message>
    <message>
        <source>CD Jewel Case &amp;Back</source>
        <translation>CD-Hülle &amp;Rückseite</translation>
    </message>
    <message>
        <source>Layout &amp;Name:</source>
        <translation>Layout&amp;name:</translation>
    </message>
    <message>
        <source>A layout name is a file name: it may not contain &quot;/&quot; or start with &quot;.&quot;.</source>
        <translation>Ein Layoutname ist ein Dateiname: Er darf kein „/“ enthalten und nicht mit „.“ beginnen.</translation>
    </message>
</context>
<context>
    <name>FaceExport</name>
    <message>
        <source>the %1 face has no size, or is too large at %2 dpi</source>
        <translation>die Seite „%1“ hat keine Größe oder ist bei %2 dpi zu groß</translation>
    </message>
    <message>
        <source>the %1 face cannot be encoded</source>
        <translation>die Seite „%1“ kann nicht kodiert werden</translation>
    </message>
</context>
<context>
    <name>FileCommands</name>
    <message>
        <source>Untitled</source>
        <translation>Unbenannt</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; no longer exists and has been removed from the recent files.</source>
        <translation>Die Datei „%1“ existiert nicht mehr und wurde aus der Liste der zuletzt geöffneten Dateien entfernt.</translation>
    </message>
    <message>
        <source>Untitled.dwp</source>
        <translation>Unbenannt.dwp</translation>
    </message>
    <message>
        <source>Could not save &quot;%1&quot;.
%2</source>
        <translation>„%1“ konnte nicht gespeichert werden.
%2</translation>
    </message>
</context>
<context>
    <name>FilePrompts</name>
    <message>
        <source>Lumvane files(*.dwp)</source>
        <translation>Lumvane-Dateien (*.dwp)</translation>
    </message>
    <message>
        <source>Save changes to %1?</source>
        <translation>Änderungen an %1 speichern?</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Speichern unter</translation>
    </message>
    <message>
        <source>%1 is not a Lumvane project, or it is damaged.</source>
        <translation>%1 ist kein Lumvane-Projekt oder ist beschädigt.</translation>
    </message>
    <message>
        <source>Could not open &quot;%1&quot;.
%2</source>
        <translation>„%1“ konnte nicht geöffnet werden.
%2</translation>
    </message>
    <message>
        <source>%1 was opened, but parts of it could not be read and are left empty.</source>
        <translation>%1 wurde geöffnet, aber Teile davon konnten nicht gelesen werden und bleiben leer.</translation>
    </message>
</context>
<context>
    <name>ImageBrowser</name>
    <message>
        <source>Image Browser</source>
        <translation>Bildbrowser</translation>
    </message>
    <message>
        <source>Set as Background</source>
        <translation>Als Hintergrund</translation>
    </message>
    <message>
        <source>Insert Image</source>
        <translation>Bild einfügen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>LabelStockDialog</name>
    <message>
        <source>Disc</source>
        <translation>CD</translation>
    </message>
    <message>
        <source>Front/Inside</source>
        <translation>Vorder-/Innenseite</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Rückseite</translation>
    </message>
    <message>
        <source>Select Label Stock</source>
        <translation>Etikettenbogen wählen</translation>
    </message>
    <message>
        <source>Type a maker or product number to narrow the list</source>
        <translation>Hersteller oder Artikelnummer eingeben, um die Liste einzugrenzen</translation>
    </message>
    <message>
        <source>Kind:</source>
        <translation>Art:</translation>
    </message>
    <message>
        <source>Label stock:</source>
        <translation>Etikettenbogen:</translation>
    </message>
    <message>
        <source>%1 (disc tray)</source>
        <translation>%1 (Disc-Fach)</translation>
    </message>
</context>
<context>
    <name>LayoutFile</name>
    <message>
        <source>Export layout file error!
%1</source>
        <translation>Die Layoutdatei konnte nicht exportiert werden!
%1</translation>
    </message>
</context>
<context>
    <name>ManualWindow</name>
    <message>
        <source>Lumvane Manual</source>
        <translation>Lumvane-Handbuch</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Vorwärts</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Inhalt</translation>
    </message>
</context>
<context>
    <name>MusicBrainzLookup</name>
    <message>
        <source>The disc&apos;s table of contents gives no MusicBrainz disc id.</source>
        <translation>Aus dem Inhaltsverzeichnis der CD ergibt sich keine MusicBrainz-Disc-ID.</translation>
    </message>
    <message>
        <source>MusicBrainz knows no release of this disc (disc id %1).</source>
        <translation>MusicBrainz kennt keine Veröffentlichung dieser CD (Disc-ID %1).</translation>
    </message>
    <message>
        <source>Failed to query MusicBrainz, error: %1</source>
        <translation>Die Abfrage bei MusicBrainz ist fehlgeschlagen, Fehler: %1</translation>
    </message>
    <message>
        <source>The release has no front cover.</source>
        <translation>Die Veröffentlichung hat kein Bild der Vorderseite.</translation>
    </message>
    <message>
        <source>The cover server is busy.</source>
        <translation>Der Cover-Server ist ausgelastet.</translation>
    </message>
    <message>
        <source>Failed to fetch the cover, error: %1</source>
        <translation>Das Cover konnte nicht geladen werden, Fehler: %1</translation>
    </message>
    <message>
        <source>The cover is not a picture Lumvane can read.</source>
        <translation>Das Cover ist kein Bild, das Lumvane lesen kann.</translation>
    </message>
</context>
<context>
    <name>PictureEffectRunner</name>
    <message>
        <source>%1 the picture...</source>
        <translation>%1: Bild wird bearbeitet...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Flipping</source>
        <translation>Vertikal spiegeln</translation>
    </message>
    <message>
        <source>Mirroring</source>
        <translation>Horizontal spiegeln</translation>
    </message>
    <message>
        <source>Rotating</source>
        <translation>Drehen</translation>
    </message>
    <message>
        <source>Lightening</source>
        <translation>Aufhellen</translation>
    </message>
    <message>
        <source>Darkening</source>
        <translation>Abdunkeln</translation>
    </message>
    <message>
        <source>Softening</source>
        <translation>Weichzeichnen</translation>
    </message>
    <message>
        <source>Sharpening</source>
        <translation>Schärfen</translation>
    </message>
    <message>
        <source>Inverting</source>
        <translation>Invertieren</translation>
    </message>
    <message>
        <source>Converting to grey</source>
        <translation>In Graustufen umwandeln</translation>
    </message>
</context>
<context>
    <name>PictureTool</name>
    <message>
        <source>Can not open file %1</source>
        <translation>Die Datei %1 kann nicht geöffnet werden</translation>
    </message>
</context>
<context>
    <name>PositionFields</name>
    <message>
        <source>X</source>
        <translation>X</translation>
    </message>
    <message>
        <source>Y</source>
        <translation>Y</translation>
    </message>
    <message>
        <source>W</source>
        <translation>B</translation>
    </message>
    <message>
        <source>H</source>
        <translation>H</translation>
    </message>
</context>
<context>
    <name>PrintCommands</name>
    <message>
        <source>Print Preview</source>
        <translation>Druckvorschau</translation>
    </message>
    <message>
        <source>Untitled.pdf</source>
        <translation>Unbenannt.pdf</translation>
    </message>
    <message>
        <source>Export to PDF</source>
        <translation>Als PDF exportieren</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>PDF-Dateien (*.pdf)</translation>
    </message>
    <message>
        <source>Print Calibration Sheet</source>
        <translation>Kalibrierbogen drucken</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Unbenannt</translation>
    </message>
    <message>
        <source>Disc Tray Alignment</source>
        <translation>Disc-Fach-Ausrichtung</translation>
    </message>
    <message>
        <source>Job %1 was sent to the disc tray of %2. Read on the scales where the disc&apos;s centre lies, and add those numbers to the correction.</source>
        <translation>Auftrag %1 wurde an das Disc-Fach von %2 gesendet. Lesen Sie auf den Skalen ab, wo die Mitte der Disc liegt, und addieren Sie diese Zahlen zur Korrektur.</translation>
    </message>
</context>
<context>
    <name>PrintDialog</name>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Disc</source>
        <translation>CD</translation>
    </message>
    <message>
        <source>Front/Inside</source>
        <translation>Vorder-/Innenseite</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Rückseite</translation>
    </message>
    <message>
        <source>Print Disk</source>
        <translation>CD drucken</translation>
    </message>
    <message>
        <source>Print Front/Inside</source>
        <translation>Vorder-/Innenseite drucken</translation>
    </message>
    <message>
        <source>Print Back</source>
        <translation>Rückseite drucken</translation>
    </message>
    <message>
        <source>Print fold lines</source>
        <translation>Falzlinien drucken</translation>
    </message>
    <message>
        <source>The back insert&apos;s spine folds, 8 mm inside its sides</source>
        <translation>Die Falze am Rücken des Rückeinlegers, 8 mm innerhalb seiner Seiten</translation>
    </message>
    <message>
        <source>Print border</source>
        <translation>Rand drucken</translation>
    </message>
    <message>
        <source>Click on labels to use(The labels displayed in blue will be printed)</source>
        <translation>Klicken Sie auf die zu verwendenden Etiketten (die blau angezeigten Etiketten werden gedruckt)</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>Preview...</source>
        <translation>Vorschau...</translation>
    </message>
    <message>
        <source>1 sheet</source>
        <translation>1 Bogen</translation>
    </message>
    <message>
        <source>%1 sheets</source>
        <translation>%1 Bögen</translation>
    </message>
    <message>
        <source>1 label</source>
        <translation>1 Etikett</translation>
    </message>
    <message>
        <source>%1 labels</source>
        <translation>%1 Etiketten</translation>
    </message>
    <message>
        <source>Nothing to print</source>
        <translation>Nichts zu drucken</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <comment>sheets, labels</comment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Printer with disc tray</source>
        <translation>Drucker mit Disc-Fach</translation>
    </message>
    <message>
        <source>Discs</source>
        <translation>Discs</translation>
    </message>
    <message>
        <source>No printer here has a disc tray for this disc. Choose a stock for sheets, or set up the printer&apos;s queue with its driver.</source>
        <translation>Kein Drucker hier hat ein Disc-Fach für diese Disc. Wählen Sie ein Etikett für Bögen, oder richten Sie die Warteschlange des Druckers mit seinem Treiber ein.</translation>
    </message>
    <message>
        <source>%1 has no disc tray; the disc goes to one of the printers that have one. The other kinds print on %1.</source>
        <translation>%1 hat kein Disc-Fach; die Disc geht an einen der Drucker, die eines haben. Die anderen Arten werden auf %1 gedruckt.</translation>
    </message>
    <message>
        <source>Each disc is one page of one job; put a disc in the tray for each.</source>
        <translation>Jede Disc ist eine Seite eines Auftrags; legen Sie für jede eine Disc in das Fach.</translation>
    </message>
    <message>
        <source>The inside face will not be printed with this stock.</source>
        <translation>Die Innenseite wird mit diesem Etikett nicht gedruckt.</translation>
    </message>
    <message>
        <source>Print the inside face on a second sheet</source>
        <translation>Die Innenseite auf einem zweiten Bogen drucken</translation>
    </message>
</context>
<context>
    <name>PrinterOutput</name>
    <message>
        <source>Nothing to print: no face kind is chosen for printing.</source>
        <translation>Nichts zu drucken: Es ist keine Seitenart zum Drucken gewählt.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; could not start printing.</source>
        <translation>Der Drucker „%1“ konnte den Druck nicht beginnen.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; could not start page %2 of %3.</source>
        <translation>Der Drucker „%1“ konnte Seite %2 von %3 nicht beginnen.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; failed on page %2 of %3.</source>
        <translation>Der Drucker „%1“ ist bei Seite %2 von %3 gescheitert.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; did not take the job of %2 pages. %3</source>
        <translation>Der Drucker „%1“ hat den Auftrag mit %2 Seiten nicht angenommen. %3</translation>
    </message>
</context>
<context>
    <name>RecoveryOffer</name>
    <message>
        <source>Untitled</source>
        <translation>Unbenannt</translation>
    </message>
    <message>
        <source>Lumvane did not close properly. Restore the changes to %1 made at %2?</source>
        <translation>Lumvane wurde nicht ordnungsgemäß beendet. Die Änderungen an %1 von %2 Uhr wiederherstellen?</translation>
    </message>
    <message>
        <source>Lumvane did not close properly. Restore the changes to %1 made on %2 at %3?</source>
        <translation>Lumvane wurde nicht ordnungsgemäß beendet. Die Änderungen an %1 vom %2 um %3 Uhr wiederherstellen?</translation>
    </message>
</context>
<context>
    <name>SettingsDialog</name>
    <message>
        <source>Settings...</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Printer Alignment</source>
        <translation>Druckerausrichtung</translation>
    </message>
    <message>
        <source>Internet Connection</source>
        <translation>Internetverbindung</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Offset Label</source>
        <translation>Etikett verschieben</translation>
    </message>
    <message>
        <source>Horizontal</source>
        <translation>Horizontal</translation>
    </message>
    <message>
        <source>Vertical</source>
        <translation>Vertikal</translation>
    </message>
    <message>
        <source>Positive values move the print left and down.</source>
        <translation>Positive Werte verschieben den Druck nach links und unten.</translation>
    </message>
    <message>
        <source>Expand/Shrink</source>
        <translation>Vergrößern/Verkleinern</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Höhe</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Breite</translation>
    </message>
    <message>
        <source>Grows each label by this much, half on each side.</source>
        <translation>Vergrößert jedes Etikett um diesen Wert, je zur Hälfte auf jeder Seite.</translation>
    </message>
    <message>
        <source>Print Calibration Sheet...</source>
        <translation>Kalibrierbogen drucken...</translation>
    </message>
    <message>
        <source>Prints rulers and cross-hairs on the disc label stock, to read how far the printer is off</source>
        <translation>Druckt Lineale und Fadenkreuze auf den CD-Etikettenbogen, um abzulesen, wie weit der Drucker danebenliegt</translation>
    </message>
    <message>
        <source>Use Proxy</source>
        <translation>Proxy verwenden</translation>
    </message>
    <message>
        <source>Authentication</source>
        <translation>Anmeldung</translation>
    </message>
    <message>
        <source>Proxy Server</source>
        <translation>Proxyserver</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>User Name</source>
        <translation>Benutzername</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Passwort</translation>
    </message>
    <message>
        <source>CDDB Server</source>
        <translation>CDDB-Server</translation>
    </message>
    <message>
        <source>CDDB Port</source>
        <translation>CDDB-Port</translation>
    </message>
    <message>
        <source>Print border</source>
        <translation>Rand drucken</translation>
    </message>
    <message>
        <source>Solid</source>
        <translation>Durchgezogen</translation>
    </message>
    <message>
        <source>Dashed</source>
        <translation>Gestrichelt</translation>
    </message>
    <message>
        <source>Print disc</source>
        <translation>CD drucken</translation>
    </message>
    <message>
        <source>Print front/inside</source>
        <translation>Vorder-/Innenseite drucken</translation>
    </message>
    <message>
        <source>Print back</source>
        <translation>Rückseite drucken</translation>
    </message>
    <message>
        <source>Default print settings</source>
        <translation>Standard-Druckeinstellungen</translation>
    </message>
    <message>
        <source>Border lines color</source>
        <translation>Farbe der Randlinien</translation>
    </message>
    <message>
        <source>Border lines style</source>
        <translation>Stil der Randlinien</translation>
    </message>
    <message>
        <source>Please enter an integer.</source>
        <translation>Bitte geben Sie eine ganze Zahl ein.</translation>
    </message>
    <message>
        <source>MusicBrainz Server</source>
        <translation>MusicBrainz-Server</translation>
    </message>
    <message>
        <source>MusicBrainz Port</source>
        <translation>MusicBrainz-Port</translation>
    </message>
</context>
<context>
    <name>StartFolders</name>
    <message>
        <source>%1 files (%2)</source>
        <translation>%1-Dateien (%2)</translation>
    </message>
    <message>
        <source>All pictures (%1)</source>
        <translation>Alle Bilder (%1)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Import Image Files</source>
        <translation>Bilddateien importieren</translation>
    </message>
</context>
<context>
    <name>StatusPanes</name>
    <message>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>Pointer position on the face</source>
        <translation>Zeigerposition auf der Seite</translation>
    </message>
</context>
<context>
    <name>SupportLinks</name>
    <message>
        <source>Lumvane cannot find its manual at
%1

The &quot;help&quot; entry of %2 names the manual&apos;s page.</source>
        <translation>Lumvane findet sein Handbuch nicht unter
%1

Der Eintrag „help“ in %2 nennt die Seite des Handbuchs.</translation>
    </message>
</context>
<context>
    <name>TextControls</name>
    <message>
        <source>B</source>
        <translation>F</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>Fett</translation>
    </message>
    <message>
        <source>I</source>
        <translation>K</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>Kursiv</translation>
    </message>
    <message>
        <source>U</source>
        <translation>U</translation>
    </message>
    <message>
        <source>Underline</source>
        <translation>Unterstrichen</translation>
    </message>
    <message>
        <source>Track</source>
        <translation>Titel</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Farbe</translation>
    </message>
    <message>
        <source>#</source>
        <translation>#</translation>
    </message>
    <message>
        <source>Insert Track Information</source>
        <translation>Titelinformationen einfügen</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>Edit Text</source>
        <translation>Text bearbeiten</translation>
    </message>
</context>
<context>
    <name>TextTool</name>
    <message>
        <source>your text here</source>
        <translation>Ihr Text hier</translation>
    </message>
</context>
<context>
    <name>ToolBars</name>
    <message>
        <source>Main toolbar</source>
        <translation>Hauptsymbolleiste</translation>
    </message>
    <message>
        <source>Align toolbar</source>
        <translation>Ausrichtungsleiste</translation>
    </message>
    <message>
        <source>Object toolbar</source>
        <translation>Objektleiste</translation>
    </message>
</context>
<context>
    <name>WindowMenus</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>&amp;Object</source>
        <translation>&amp;Objekt</translation>
    </message>
    <message>
        <source>&amp;Align</source>
        <translation>Aus&amp;richten</translation>
    </message>
    <message>
        <source>&amp;Z-order</source>
        <translation>&amp;Z-Reihenfolge</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Open %1</source>
        <translation>%1 öffnen</translation>
    </message>
    <message>
        <source>Recent File</source>
        <translation>Zuletzt geöffnete Datei</translation>
    </message>
    <message>
        <source>Open a project used recently</source>
        <translation>Ein zuletzt verwendetes Projekt öffnen</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>&amp;Ausschneiden</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Einfügen</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>Z-Order</source>
        <translation>&amp;Z-Reihenfolge</translation>
    </message>
    <message>
        <source>Bring to front</source>
        <translation>&amp;In den Vordergrund</translation>
    </message>
    <message>
        <source>Send to back</source>
        <translation>In den &amp;Hintergrund</translation>
    </message>
    <message>
        <source>Move to next</source>
        <translation>Eine Ebene nach &amp;vorne</translation>
    </message>
    <message>
        <source>Move to previous</source>
        <translation>Eine Ebene nach hin&amp;ten</translation>
    </message>
    <message>
        <source>Align</source>
        <translation>Aus&amp;richten</translation>
    </message>
    <message>
        <source>Align Left</source>
        <translation>&amp;Links ausrichten</translation>
    </message>
    <message>
        <source>Align Right</source>
        <translation>&amp;Rechts ausrichten</translation>
    </message>
    <message>
        <source>Align Top</source>
        <translation>&amp;Oben ausrichten</translation>
    </message>
    <message>
        <source>Align Bottom</source>
        <translation>&amp;Unten ausrichten</translation>
    </message>
    <message>
        <source>Center Vertical</source>
        <translation>&amp;Vertikal zentrieren</translation>
    </message>
    <message>
        <source>Center Horizontal</source>
        <translation>&amp;Horizontal zentrieren</translation>
    </message>
    <message>
        <source>Make Same Width</source>
        <translation>Gleiche &amp;Breite</translation>
    </message>
    <message>
        <source>Make Same Height</source>
        <translation>Gleiche H&amp;öhe</translation>
    </message>
    <message>
        <source>Make Same Size</source>
        <translation>Gleiche &amp;Größe</translation>
    </message>
    <message>
        <source>&amp;Lock</source>
        <translation>&amp;Sperren</translation>
    </message>
    <message>
        <source>Set as &amp;Background Image</source>
        <translation>Als &amp;Hintergrundbild festlegen</translation>
    </message>
</context>
</TS>
