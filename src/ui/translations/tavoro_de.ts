<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>AboutDialog</name>
    <message>
        <source>Version %1.%2.%3  (Build %4)</source>
        <translation>Version %1.%2.%3  (Build %4)</translation>
    </message>
</context>
<context>
    <name>Accessibility</name>
    <message>
        <source>Collections</source>
        <translation>Sammlungen</translation>
    </message>
    <message>
        <source>Tags</source>
        <translation>Merkmale</translation>
    </message>
    <message>
        <source>Search results</source>
        <translation>Suchergebnisse</translation>
    </message>
    <message>
        <source>Recent wardrobes</source>
        <translation>Zuletzt geöffnete Garderoben</translation>
    </message>
    <message>
        <source>Search suggestions</source>
        <translation>Suchvorschläge</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Help and information</source>
        <translation>Hilfe und Informationen</translation>
    </message>
    <message>
        <source>Wardrobe</source>
        <translation>Garderobe</translation>
    </message>
    <message>
        <source>Items</source>
        <translation>Teile</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Details</translation>
    </message>
    <message>
        <source>Header</source>
        <translation>Kopfzeile</translation>
    </message>
    <message>
        <source>Photo viewer</source>
        <translation>Fotoanzeige</translation>
    </message>
    <message>
        <source>No photo</source>
        <translation>Kein Foto</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 von %2</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Seiten</translation>
    </message>
    <message>
        <source>Commands</source>
        <translation>Befehle</translation>
    </message>
    <message>
        <source>Clear search</source>
        <translation>Suche leeren</translation>
    </message>
    <message>
        <source>Search options</source>
        <translation>Suchoptionen</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Tag name</source>
        <translation>Name des Merkmals</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Wert</translation>
    </message>
    <message>
        <source>Insights</source>
        <translation>Einblicke</translation>
    </message>
    <message>
        <source>Combinations</source>
        <translation>Kombinationen</translation>
    </message>
    <message>
        <source>Items of the combination</source>
        <translation>Teile der Kombination</translation>
    </message>
    <message>
        <source>Worn Today</source>
        <translation>Heute getragen</translation>
    </message>
    <message>
        <source>Records today as a day this item was worn</source>
        <translation>Trägt heute als Tag ein, an dem dieses Teil getragen wurde</translation>
    </message>
</context>
<context>
    <name>AddToCombination</name>
    <message>
        <source>New Combination...</source>
        <translation>Neue Kombination...</translation>
    </message>
</context>
<context>
    <name>CollectionRow</name>
    <message numerus="yes">
        <source>%n items</source>
        <translation>
            <numerusform>%n Teil</numerusform>
            <numerusform>%n Teile</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CombinationRow</name>
    <message>
        <source>1 item</source>
        <translation>1 Teil</translation>
    </message>
    <message numerus="yes">
        <source>%n items</source>
        <translation>
            <numerusform>%n Teil</numerusform>
            <numerusform>%n Teile</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CoreTexts</name>
    <message>
        <source>Tavoro Wardrobe Manager</source>
        <translation>Tavoro Garderobenverwaltung</translation>
    </message>
    <message>
        <source>All Collections</source>
        <translation>Alle Sammlungen</translation>
    </message>
    <message>
        <source>Double-click to add a collection</source>
        <translation>Doppelklicken, um eine Sammlung hinzuzufügen</translation>
    </message>
    <message>
        <source>Double-click to add a tag</source>
        <translation>Doppelklicken, um ein Merkmal hinzuzufügen</translation>
    </message>
    <message>
        <source>Invalid collection name. Please try another name.</source>
        <translation>Ungültiger Sammlungsname. Bitte wählen Sie einen anderen Namen.</translation>
    </message>
    <message>
        <source>Invalid tag name. Please try another name.</source>
        <translation>Ungültiger Merkmalsname. Bitte wählen Sie einen anderen Namen.</translation>
    </message>
    <message>
        <source>Invalid item name. Please try another name.</source>
        <translation>Ungültiger Name für das Teil. Bitte wählen Sie einen anderen Namen.</translation>
    </message>
    <message>
        <source>Adding photos to &quot;All Collections&quot; is not allowed.

Please select a collection and try again.</source>
        <translation>Zu „Alle Sammlungen“ können keine Fotos hinzugefügt werden.

Bitte wählen Sie eine Sammlung aus und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>Paste failed: unsupported file type.

Supported file types are BMP, JPEG and PNG.</source>
        <translation>Einfügen fehlgeschlagen: Dateityp wird nicht unterstützt.

Unterstützt werden BMP, JPEG und PNG.</translation>
    </message>
    <message>
        <source>Cancel filtering?</source>
        <translation>Filtern abbrechen?</translation>
    </message>
    <message>
        <source>Confirm Cancel</source>
        <translation>Abbrechen bestätigen</translation>
    </message>
    <message>
        <source>Confirm Add Files</source>
        <translation>Hinzufügen bestätigen</translation>
    </message>
    <message>
        <source>Failed to create directory for application data!
User settings will not be saved.</source>
        <translation>Der Ordner für die Programmdaten konnte nicht angelegt werden!
Die Einstellungen werden nicht gespeichert.</translation>
    </message>
    <message>
        <source>Failed to create directory for application temp data!</source>
        <translation>Der Ordner für die temporären Daten des Programms konnte nicht angelegt werden!</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>unnamed</source>
        <translation>unbenannt</translation>
    </message>
    <message numerus="yes">
        <source>%n files are to be added. This may take some time. 
Are you sure you want to continue?</source>
        <translation>
            <numerusform>%n Datei wird hinzugefügt. Das kann eine Weile dauern. 
Möchten Sie wirklich fortfahren?</numerusform>
            <numerusform>%n Dateien werden hinzugefügt. Das kann eine Weile dauern. 
Möchten Sie wirklich fortfahren?</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>EmptyListHint</name>
    <message>
        <source>Add photos here for &quot;%1&quot;.

You can:

1) Click &quot;Add Photos&quot; on the toolbar;
2) Or, drag photos into this pane.</source>
        <translation>Fügen Sie hier Fotos für „%1“ hinzu.

So geht es:

1) Klicken Sie in der Leiste oben auf „Fotos hinzufügen“;
2) oder ziehen Sie Fotos in diesen Bereich.</translation>
    </message>
    <message>
        <source>Select a collection on the left, then add photos here.</source>
        <translation>Wählen Sie links eine Sammlung aus und fügen Sie dann hier Fotos hinzu.</translation>
    </message>
</context>
<context>
    <name>ExportMessages</name>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
</context>
<context>
    <name>FileChoosers</name>
    <message>
        <source>Tavoro Wardrobe</source>
        <translation>Tavoro-Garderobe</translation>
    </message>
    <message>
        <source>Restore Wardrobe</source>
        <translation>Garderobe wiederherstellen</translation>
    </message>
    <message>
        <source>Tavoro Backup</source>
        <translation>Tavoro-Sicherung</translation>
    </message>
</context>
<context>
    <name>HomeNavigationBar</name>
    <message>
        <source>Help and Support</source>
        <translation>Hilfe und Support</translation>
    </message>
    <message>
        <source>Display online help information</source>
        <translation>Die Online-Hilfe anzeigen</translation>
    </message>
    <message>
        <source>Tavoro Website</source>
        <translation>Tavoro-Website</translation>
    </message>
    <message>
        <source>Visit Tavoro website</source>
        <translation>Die Tavoro-Website besuchen</translation>
    </message>
    <message>
        <source>Contact Us</source>
        <translation>Kontakt</translation>
    </message>
    <message>
        <source>Ask questions or send your comments and suggestions</source>
        <translation>Stellen Sie Fragen oder senden Sie uns Anmerkungen und Vorschläge</translation>
    </message>
    <message>
        <source>Tell a Friend</source>
        <translation>Weiterempfehlen</translation>
    </message>
    <message>
        <source>Recommend this software to a friend</source>
        <translation>Dieses Programm einem Freund empfehlen</translation>
    </message>
    <message>
        <source>About Tavoro</source>
        <translation>Über Tavoro</translation>
    </message>
    <message>
        <source>Display program information, version number and copyright</source>
        <translation>Programminformationen, Versionsnummer und Urheberrecht anzeigen</translation>
    </message>
</context>
<context>
    <name>InsightsText</name>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Other: %1</source>
        <translation>Sonstige: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n items</source>
        <translation>
            <numerusform>%n Teil</numerusform>
            <numerusform>%n Teile</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>%1 in %2; %3</source>
        <translation>%1 in %2; %3</translation>
    </message>
    <message numerus="yes">
        <source>%n collections</source>
        <translation>
            <numerusform>%n Sammlung</numerusform>
            <numerusform>%n Sammlungen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n never worn</source>
        <translation>
            <numerusform>%n nie getragen</numerusform>
            <numerusform>%n nie getragen</numerusform>
        </translation>
    </message>
    <message>
        <source>No collections</source>
        <translation>Keine Sammlungen</translation>
    </message>
    <message>
        <source>No values of &quot;%1&quot;</source>
        <translation>Keine Werte für „%1“</translation>
    </message>
    <message numerus="yes">
        <source>%n wears</source>
        <translation>
            <numerusform>%n-mal getragen</numerusform>
            <numerusform>%n-mal getragen</numerusform>
        </translation>
    </message>
    <message>
        <source>Never worn</source>
        <translation>Nie getragen</translation>
    </message>
    <message numerus="yes">
        <source>Worn %n times</source>
        <translation>
            <numerusform>%n-mal getragen</numerusform>
            <numerusform>%n-mal getragen</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, not worn for %2</source>
        <translation>%1, seit %2 nicht getragen</translation>
    </message>
    <message numerus="yes">
        <source>%n days</source>
        <translation>
            <numerusform>%n Tag</numerusform>
            <numerusform>%n Tagen</numerusform>
        </translation>
    </message>
    <message>
        <source>No items</source>
        <translation>Keine Teile</translation>
    </message>
    <message>
        <source>Total: %1</source>
        <translation>Gesamt: %1</translation>
    </message>
    <message>
        <source>%1: %2, %3, %4</source>
        <translation>%1: %2, %3, %4</translation>
    </message>
    <message>
        <source>%1 per wear</source>
        <translation>%1 pro Tragen</translation>
    </message>
    <message>
        <source>never worn</source>
        <translation>nie getragen</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is not a price</source>
        <translation>%1: „%2“ ist kein Preis</translation>
    </message>
</context>
<context>
    <name>ItemListPaneImport</name>
    <message>
        <source>The photo could not be added.</source>
        <translation>Das Foto konnte nicht hinzugefügt werden.</translation>
    </message>
    <message numerus="yes">
        <source>%1 of the %n photos could not be added.</source>
        <translation>
            <numerusform>%1 von %n Foto konnte nicht hinzugefügt werden.</numerusform>
            <numerusform>%1 von %n Fotos konnten nicht hinzugefügt werden.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>MenuTables</name>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Copy Path to Clipboard</source>
        <translation>Pfad in die Zwischenablage kopieren</translation>
    </message>
    <message>
        <source>Clear List</source>
        <translation>Liste leeren</translation>
    </message>
    <message>
        <source>Close Wardrobe</source>
        <translation>Garderobe schließen</translation>
    </message>
    <message>
        <source>Add Photos</source>
        <translation>Fotos hinzufügen</translation>
    </message>
    <message>
        <source>Delete Selected Photos</source>
        <translation>Ausgewählte Fotos löschen</translation>
    </message>
    <message>
        <source>Hide Search Results</source>
        <translation>Suchergebnisse ausblenden</translation>
    </message>
    <message>
        <source>Tell a Friend</source>
        <translation>Weiterempfehlen</translation>
    </message>
    <message>
        <source>Visit Tavoro Website</source>
        <translation>Tavoro-Website besuchen</translation>
    </message>
    <message>
        <source>Show Online Help</source>
        <translation>Online-Hilfe anzeigen</translation>
    </message>
    <message>
        <source>Clear History</source>
        <translation>Verlauf löschen</translation>
    </message>
    <message>
        <source>Auto Suggest</source>
        <translation>Automatische Vorschläge</translation>
    </message>
    <message>
        <source>Thumbnails</source>
        <translation>Miniaturansichten</translation>
    </message>
    <message>
        <source>Icons</source>
        <translation>Symbole</translation>
    </message>
    <message>
        <source>List</source>
        <translation>Liste</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Details</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Date Added</source>
        <translation>Hinzufügedatum</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Ansicht</translation>
    </message>
    <message>
        <source>Arrange Items By</source>
        <translation>Teile anordnen nach</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Aktualisieren</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Del</source>
        <translation>Entf</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Umbenennen</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Alle auswählen</translation>
    </message>
    <message>
        <source>Ctrl+A</source>
        <translation>Strg+A</translation>
    </message>
    <message>
        <source>Select Inverse</source>
        <translation>Auswahl umkehren</translation>
    </message>
    <message>
        <source>Add a Collection...</source>
        <translation>Sammlung hinzufügen...</translation>
    </message>
    <message>
        <source>Rename...</source>
        <translation>Umbenennen...</translation>
    </message>
    <message>
        <source>Move to Top</source>
        <translation>Ganz nach oben</translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation>Nach oben</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>Nach unten</translation>
    </message>
    <message>
        <source>Move to Bottom</source>
        <translation>Ganz nach unten</translation>
    </message>
    <message>
        <source>Sort Ascending</source>
        <translation>Aufsteigend sortieren</translation>
    </message>
    <message>
        <source>Sort Descending</source>
        <translation>Absteigend sortieren</translation>
    </message>
    <message>
        <source>Add a Tag...</source>
        <translation>Merkmal hinzufügen...</translation>
    </message>
    <message>
        <source>Delete All Tags</source>
        <translation>Alle Merkmale löschen</translation>
    </message>
    <message>
        <source>Edit Value...</source>
        <translation>Wert bearbeiten...</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Leeren</translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation>Alle leeren</translation>
    </message>
    <message>
        <source>Add to Combination</source>
        <translation>Zur Kombination hinzufügen</translation>
    </message>
    <message>
        <source>Export Web Catalogue...</source>
        <translation>Webkatalog exportieren...</translation>
    </message>
    <message>
        <source>Export Spreadsheet...</source>
        <translation>Tabelle exportieren...</translation>
    </message>
    <message>
        <source>Export Printable Sheet...</source>
        <translation>Druckbogen exportieren...</translation>
    </message>
    <message>
        <source>Back Up Wardrobe...</source>
        <translation>Garderobe sichern...</translation>
    </message>
    <message>
        <source>Restore Wardrobe...</source>
        <translation>Garderobe wiederherstellen...</translation>
    </message>
    <message>
        <source>Wardrobe</source>
        <translation>Garderobe</translation>
    </message>
    <message>
        <source>Insights</source>
        <translation>Einblicke</translation>
    </message>
    <message>
        <source>Copy as Text</source>
        <translation>Als Text kopieren</translation>
    </message>
    <message>
        <source>Combinations</source>
        <translation>Kombinationen</translation>
    </message>
    <message>
        <source>Worn Today</source>
        <translation>Heute getragen</translation>
    </message>
    <message>
        <source>Worn on...</source>
        <translation>Getragen am...</translation>
    </message>
    <message>
        <source>Delete Combination</source>
        <translation>Kombination löschen</translation>
    </message>
    <message>
        <source>Remove from Combination</source>
        <translation>Aus Kombination entfernen</translation>
    </message>
    <message>
        <source>Show in Collection</source>
        <translation>In der Sammlung zeigen</translation>
    </message>
</context>
<context>
    <name>PhotoFacts</name>
    <message>
        <source>n/a</source>
        <translation>k. A.</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 Bytes</translation>
    </message>
    <message>
        <source>%1 KB</source>
        <translation>%1 KB</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%1 MB</translation>
    </message>
    <message>
        <source>JPEG image</source>
        <translation>JPEG-Bild</translation>
    </message>
    <message>
        <source>PNG image</source>
        <translation>PNG-Bild</translation>
    </message>
    <message>
        <source>Bitmap image</source>
        <translation>Bitmap-Bild</translation>
    </message>
    <message>
        <source>Date taken: </source>
        <translation>Aufgenommen: </translation>
    </message>
    <message>
        <source>Dimensions: </source>
        <translation>Abmessungen: </translation>
    </message>
    <message>
        <source>Size: </source>
        <translation>Größe: </translation>
    </message>
</context>
<context>
    <name>PhotoFileDialog</name>
    <message>
        <source>All Formats</source>
        <translation>Alle Formate</translation>
    </message>
</context>
<context>
    <name>PhotoFileFacts</name>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Typ</translation>
    </message>
    <message>
        <source>Date Modified</source>
        <translation>Änderungsdatum</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Speicherort</translation>
    </message>
    <message>
        <source> KB</source>
        <translation> KB</translation>
    </message>
</context>
<context>
    <name>Pictures</name>
    <message>
        <source>Wardrobe Manager</source>
        <translation>Garderobenverwaltung</translation>
    </message>
    <message>
        <source>Make a Donation</source>
        <translation>Spenden</translation>
    </message>
    <message>
        <source>Help Tavoro grow</source>
        <translation>Helfen Sie Tavoro zu wachsen</translation>
    </message>
    <message>
        <source>Get started</source>
        <translation>Erste Schritte</translation>
    </message>
    <message>
        <source>Create a New Wardrobe</source>
        <translation>Neue Garderobe anlegen</translation>
    </message>
    <message>
        <source>Start a catalogue of your clothes</source>
        <translation>Beginnen Sie einen Katalog Ihrer Kleidung</translation>
    </message>
    <message>
        <source>Open an Existing Wardrobe</source>
        <translation>Vorhandene Garderobe öffnen</translation>
    </message>
    <message>
        <source>Carry on with a wardrobe you saved</source>
        <translation>Mit einer gespeicherten Garderobe weitermachen</translation>
    </message>
    <message>
        <source>Support Tavoro</source>
        <translation>Tavoro unterstützen</translation>
    </message>
    <message>
        <source>View Online Tutorials</source>
        <translation>Online-Anleitungen ansehen</translation>
    </message>
    <message>
        <source>Learn Tavoro step by step</source>
        <translation>Tavoro Schritt für Schritt kennenlernen</translation>
    </message>
</context>
<context>
    <name>RestoreBackup</name>
    <message>
        <source>Restore Wardrobe</source>
        <translation>Garderobe wiederherstellen</translation>
    </message>
    <message>
        <source>Restore Into a New Folder</source>
        <translation>In einen neuen Ordner wiederherstellen</translation>
    </message>
    <message>
        <source>Restoring the wardrobe from &quot;%1&quot;...</source>
        <translation>Die Garderobe wird aus „%1“ wiederhergestellt...</translation>
    </message>
    <message>
        <source>The wardrobe could not be restored from &quot;%1&quot;.</source>
        <translation>Die Garderobe konnte nicht aus „%1“ wiederhergestellt werden.</translation>
    </message>
    <message>
        <source>Nothing was written.</source>
        <translation>Es wurde nichts geschrieben.</translation>
    </message>
</context>
<context>
    <name>SearchResultsBanner</name>
    <message>
        <source>Unknown Collection</source>
        <translation>Unbekannte Sammlung</translation>
    </message>
    <message>
        <source>%1 Collection</source>
        <translation>Sammlung „%1“</translation>
    </message>
</context>
<context>
    <name>TagRow</name>
    <message>
        <source>Click to edit</source>
        <translation>Zum Bearbeiten klicken</translation>
    </message>
    <message>
        <source>no value</source>
        <translation>kein Wert</translation>
    </message>
</context>
<context>
    <name>UserGuide</name>
    <message>
        <source>Tavoro Wardrobe Manager: User Guide</source>
        <translation>Tavoro Garderobenverwaltung: Benutzerhandbuch</translation>
    </message>
    <message>
        <source>Tavoro Wardrobe Manager</source>
        <translation>Tavoro Garderobenverwaltung</translation>
    </message>
    <message>
        <source>Getting started</source>
        <translation>Erste Schritte</translation>
    </message>
    <message>
        <source>Creating, opening and closing wardrobes</source>
        <translation>Garderoben anlegen, öffnen und schließen</translation>
    </message>
    <message>
        <source>Saving</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>The wardrobe page</source>
        <translation>Die Garderobenseite</translation>
    </message>
    <message>
        <source>Collections</source>
        <translation>Sammlungen</translation>
    </message>
    <message>
        <source>Items and photos</source>
        <translation>Teile und Fotos</translation>
    </message>
    <message>
        <source>Details and tags</source>
        <translation>Details und Merkmale</translation>
    </message>
    <message>
        <source>The photo viewer</source>
        <translation>Die Fotoanzeige</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Suche</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Tasten</translation>
    </message>
    <message>
        <source>Where things are kept</source>
        <translation>Wo alles gespeichert wird</translation>
    </message>
    <message>
        <source>en</source>
        <comment>the language code of this translation</comment>
        <translation>de</translation>
    </message>
    <message>
        <source>The headings of this guide are translated; its text is in English.</source>
        <translation>Die Überschriften dieser Anleitung sind übersetzt, ihr Text ist auf Englisch.</translation>
    </message>
    <message>
        <source>Undo and redo</source>
        <translation>Rückgängig machen und wiederholen</translation>
    </message>
    <message>
        <source>Exporting and backing up</source>
        <translation>Exportieren und sichern</translation>
    </message>
    <message>
        <source>Combinations: outfits and what you wore when</source>
        <translation>Kombinationen: Outfits und was Sie wann getragen haben</translation>
    </message>
    <message>
        <source>Insights: what you own, what you wear, what it cost</source>
        <translation>Einblicke: was Sie besitzen, was Sie tragen, was es kostet</translation>
    </message>
</context>
<context>
    <name>WardrobeLifecycle</name>
    <message>
        <source>Error creating wardrobe folder:
%1</source>
        <translation>Fehler beim Anlegen des Garderobenordners:
%1</translation>
    </message>
    <message>
        <source>Error creating wardrobe &quot;%1&quot; in folder:
%2</source>
        <translation>Fehler beim Anlegen der Garderobe „%1“ im Ordner:
%2</translation>
    </message>
    <message>
        <source>Error opening &quot;%1&quot;!

File does not exist or may be corrupted.</source>
        <translation>Fehler beim Öffnen von „%1“!

Die Datei existiert nicht oder ist möglicherweise beschädigt.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Error saving file &quot;%1&quot;!</source>
        <translation>Fehler beim Speichern der Datei „%1“!</translation>
    </message>
    <message>
        <source>Are you sure you want to close current wardrobe &quot;%1&quot;?</source>
        <translation>Möchten Sie die aktuelle Garderobe „%1“ wirklich schließen?</translation>
    </message>
    <message>
        <source>To continue, wardrobe &quot;%1&quot; must be closed.

Are you sure you want to close &quot;%1&quot;?</source>
        <translation>Um fortzufahren, muss die Garderobe „%1“ geschlossen werden.

Möchten Sie „%1“ wirklich schließen?</translation>
    </message>
    <message>
        <source>someone whose lock file Tavoro cannot read</source>
        <translation>jemandem, dessen Sperrdatei Tavoro nicht lesen kann</translation>
    </message>
    <message>
        <source>%1 on %2 (process %3) since %4</source>
        <translation>%1 auf %2 (Prozess %3) seit %4</translation>
    </message>
    <message>
        <source>(more changes than the undo history keeps)</source>
        <translation>(mehr Änderungen, als der Rückgängig-Verlauf behält)</translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>und %n weitere</numerusform>
            <numerusform>und %n weitere</numerusform>
        </translation>
    </message>
    <message>
        <source>Wardrobe &quot;%1&quot; is open in Tavoro by %2.

Yes: open it read-only.
No: open it anyway (changes saved there and here may overwrite each other).
Cancel: do not open it.</source>
        <translation>Garderobe &quot;%1&quot; ist in Tavoro geöffnet von %2.

Ja: schreibgeschützt öffnen.
Nein: trotzdem öffnen (dort und hier gespeicherte Änderungen können einander überschreiben).
Abbrechen: nicht öffnen.</translation>
    </message>
    <message>
        <source>Wardrobe file &quot;%1&quot; was changed on disk by another program since it was read.

Yes: save yours over it (the other program&apos;s changes are lost).
No: read it anew (your changes since the last save are lost):
%2
Cancel: do not save.</source>
        <translation>Die Garderobendatei &quot;%1&quot; wurde seit dem Lesen von einem anderen Programm geändert.

Ja: Ihre Fassung darüber speichern (die Änderungen des anderen Programms gehen verloren).
Nein: neu einlesen (Ihre Änderungen seit dem letzten Speichern gehen verloren):
%2
Abbrechen: nicht speichern.</translation>
    </message>
    <message>
        <source>Wardrobe file &quot;%1&quot; was changed on disk by another program.

Yes: read it anew (your changes since the last save are lost):
%2
No: keep yours (the next save writes them over the other program&apos;s changes).</source>
        <translation>Die Garderobendatei &quot;%1&quot; wurde von einem anderen Programm geändert.

Ja: neu einlesen (Ihre Änderungen seit dem letzten Speichern gehen verloren):
%2
Nein: Ihre behalten (das nächste Speichern schreibt sie über die Änderungen des anderen Programms).</translation>
    </message>
</context>
<context>
    <name>WearText</name>
    <message>
        <source>Never worn</source>
        <translation>Nie getragen</translation>
    </message>
    <message numerus="yes">
        <source>Worn %n times, last on %1</source>
        <translation>
            <numerusform>%n-mal getragen, zuletzt am %1</numerusform>
            <numerusform>%n-mal getragen, zuletzt am %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Worn once, on %1</source>
        <translation>Einmal getragen, am %1</translation>
    </message>
</context>
<context>
    <name>tavoro::ui::AboutDialog</name>
    <message>
        <source>About Tavoro</source>
        <translation>Über Tavoro</translation>
    </message>
    <message>
        <source>Tavoro Wardrobe Manager</source>
        <translation>Tavoro Garderobenverwaltung</translation>
    </message>
    <message>
        <source>© Quillmoor. Free software under the MIT licence.</source>
        <translation>© Quillmoor. Freie Software unter der MIT-Lizenz.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>tavoro::ui::CollectionPane</name>
    <message>
        <source>Invalid collection name. Please try another name.</source>
        <translation>Ungültiger Sammlungsname. Bitte wählen Sie einen anderen Namen.</translation>
    </message>
    <message>
        <source>Collection &quot;%1&quot; already exists. Please try another name.</source>
        <translation>Die Sammlung „%1“ gibt es bereits. Bitte wählen Sie einen anderen Namen.</translation>
    </message>
    <message>
        <source>Add a Collection...</source>
        <translation>Sammlung hinzufügen...</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Rename...</source>
        <translation>Umbenennen...</translation>
    </message>
    <message>
        <source>Move to Top</source>
        <translation>Ganz nach oben</translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation>Nach oben</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>Nach unten</translation>
    </message>
    <message>
        <source>Move to Bottom</source>
        <translation>Ganz nach unten</translation>
    </message>
    <message>
        <source>Sort Ascending</source>
        <translation>Aufsteigend sortieren</translation>
    </message>
    <message>
        <source>Sort Descending</source>
        <translation>Absteigend sortieren</translation>
    </message>
    <message>
        <source>Are you sure you want to delete collection &quot;%1&quot;?

Note: all items in this collection will also be deleted.</source>
        <translation>Möchten Sie die Sammlung „%1“ wirklich löschen?

Hinweis: Alle Teile dieser Sammlung werden ebenfalls gelöscht.</translation>
    </message>
    <message>
        <source>Are you sure you want to delete collection &quot;%1&quot;?</source>
        <translation>Möchten Sie die Sammlung „%1“ wirklich löschen?</translation>
    </message>
    <message>
        <source>Confirm Collection Delete</source>
        <translation>Löschen der Sammlung bestätigen</translation>
    </message>
    <message>
        <source>Sort Collections</source>
        <translation>Sammlungen sortieren</translation>
    </message>
</context>
<context>
    <name>tavoro::ui::CombinationItemList</name>
    <message>
        <source>This combination holds no items.</source>
        <translation>Diese Kombination enthält keine Teile.</translation>
    </message>
    <message>
        <source>Choose a combination to see its items.</source>
        <translation>Wählen Sie eine Kombination, um ihre Teile zu sehen.</translation>
    </message>
</context>
<context>
    <name>tavoro::ui::CombinationListView</name>
    <message>
        <source>No combinations yet. Choose items, then &quot;Add to Combination&quot; in their menu.</source>
        <translation>Noch keine Kombinationen. Wählen Sie Teile und dann „Zur Kombination hinzufügen“ in ihrem Menü.</translation>
    </message>
</context>
<context>
    <name>tavoro::ui::CombinationNameDialog</name>
    <message>
        <source>Rename Combination</source>
        <translation>Kombination umbenennen</translation>
    </message>
    <message>
        <source>New Combination</source>
        <translation>Neue Kombination</translation>
    </message>
    <message>
        <source>Combination name:</source>
        <translation>Name der Kombination:</translation>
    </message>
    <message>
        <source>Combination name</source>
        <translation>Name der Kombination</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Please enter a name for the combination.</source>
        <translation>Bitte geben Sie einen Namen für die Kombination ein.</translation>
    </message>
    <message>
        <source>Invalid combination name. Please try another name.</source>
        <translation>Ungültiger Name für eine Kombination. Bitte versuchen Sie einen anderen Namen.</translation>
    </message>
    <message>
        <source>The name is too long: a combination&apos;s name has at most 260 characters.</source>
        <translation>Der Name ist zu lang: Der Name einer Kombination hat höchstens 260 Zeichen.</translation>
    </message>
    <message>
        <source>There is already a combination named &quot;%1&quot;. Please choose another name.</source>
        <translation>Es gibt bereits eine Kombination namens „%1“. Bitte wählen Sie einen anderen Namen.</translation>
    </message>
</context>
<context>
    <name>tavoro::ui::CombinationsView</name>
    <message>
        <source>Worn Today</source>
        <translation>Heute getragen</translation>
    </message>
    <message>
        <source>Worn on...</source>
        <translation>Getragen am...</translation>
    </message>
    <message>
        <source>Rename...</source>
        <translation>Umbenennen...</translation>
    </message>
    <message>
        <source>Delete Combination</source>
        <translation>Kombination löschen</translation>
    </message>
    <message>
        <source>Remove from Combination</source>
        <translation>Aus Kombination entfernen</translation>
    </message>
    <message>
        <source>Show in Collection</source>
        <translation>In der Sammlung zeigen</translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation>Nach oben</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>Nach unten</translation>
    </message>
    <message>
        <source>Are you sure you want to delete the combination &quot;%1&quot;? Its items and their photos stay.</source>
        <translation>Möchten Sie die Kombination „%1“ wirklich löschen? Ihre Teile und deren Fotos bleiben erhalten.</translation>
    </message>
    <message>
        <source>Confirm Combination Delete</source>
        <translation>Löschen der Kombination bestätigen</translation>
    </message>
</context>
<context>
    <name>tavoro::ui::DetailsHint</name>
    <message>
        <source>Select a photo to view details.</source>
        <translation>Wählen Sie ein Foto aus, um seine Details zu sehen.</translation>
    </message>
</context>
<context>
    <name>tavoro::ui::ExportCommands</name>
    <message>
        <source>Export Web Catalogue...</source>
        <translation>Webkatalog exportieren...</translation>
    </message>
    <message>
        <source>Export Spreadsheet...</source>
        <translation>Tabelle exportieren...</translation>
    </message>
    <message>
        <source>Export Printable Sheet...</source>
        <translation>Druckbogen exportieren...</translation>
    </message>
    <message>
        <source>Back Up Wardrobe...</source>
        <translation>Garderobe sichern...</translation>
    </message>
    <message>
        <source>Restore Wardrobe...</source>
        <translation>Garderobe wiederherstellen...</translation>
    </message>
    <message>
        <source>Nothing was written.</source>
        <translation>Es wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>Export Web Catalogue</source>
        <translation>Webkatalog exportieren</translation>
    </message>
    <message>
        <source>%1 Catalogue</source>
        <translation>%1 Katalog</translation>
    </message>
    <message>
        <source>Making the web catalogue of &quot;%1&quot;...</source>
        <translation>Der Webkatalog von „%1“ wird erstellt...</translation>
    </message>
    <message>
        <source>The web catalogue could not be written.</source>
        <translation>Der Webkatalog konnte nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>Export Spreadsheet</source>
        <translation>Tabelle exportieren</translation>
    </message>
    <message>
        <source>Spreadsheet</source>
        <translation>Tabelle</translation>
    </message>
    <message>
        <source>Writing the spreadsheet of &quot;%1&quot;...</source>
        <translation>Die Tabelle von „%1“ wird geschrieben...</translation>
    </message>
    <message>
        <source>The spreadsheet could not be written.</source>
        <translation>Die Tabelle konnte nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>Export Printable Sheet</source>
        <translation>Druckbogen exportieren</translation>
    </message>
    <message>
        <source>PDF Document</source>
        <translation>PDF-Dokument</translation>
    </message>
    <message>
        <source>Writing the printable sheet of &quot;%1&quot;...</source>
        <translation>Der Druckbogen von „%1“ wird geschrieben...</translation>
    </message>
    <message>
        <source>The printable sheet could not be written.</source>
        <translation>Der Druckbogen konnte nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>Back Up Wardrobe</source>
        <translation>Garderobe sichern</translation>
    </message>
    <message>
        <source>%1 Backup %2</source>
        <translation>%1 Sicherung %2</translation>
    </message>
    <message>
        <source>Tavoro Backup</source>
        <translation>Tavoro-Sicherung</translation>
    </message>
    <message>
        <source>Backing up &quot;%1&quot;...</source>
        <translation>„%1“ wird gesichert...</translation>
    </message>
    <message>
        <source>The backup could not be written.</source>
        <translation>Die Sicherung konnte nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>The backup was written. These links in the photo folder are not files and were not stored:</source>
        <translation>Die Sicherung wurde geschrieben. Diese Verknüpfungen im Fotoordner sind keine Dateien und wurden nicht gesichert:</translation>
    </message>
</context>
<context>
    <name>tavoro::ui::ExportProgressDialog</name>
    <message>
        <source>Progress</source>
        <translation>Fortschritt</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Stopping...</source>
        <translation>Wird angehalten...</translation>
    </message>
</context>
<context>
    <name>tavoro::ui::FilteringFilesDialog</name>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Filtering Files...</source>
        <translation>Dateien werden gefiltert...</translation>
    </message>
    <message>
        <source>Queued: </source>
        <translation>In der Warteschlange: </translation>
    </message>
</context>
<context>
    <name>tavoro::ui::HomePageDialog</name>
    <message>
        <source>Tavoro copies the photos you add into the wardrobe&apos;s folder and never changes your originals.</source>
        <translation>Tavoro kopiert die Fotos, die Sie hinzufügen, in den Ordner der Garderobe und verändert Ihre Originale nie.</translation>
    </message>
    <message>
        <source>Recent Wardrobes</source>
        <translation>Zuletzt geöffnete Garderoben</translation>
    </message>
</context>
<context>
    <name>tavoro::ui::InfoStrip</name>
    <message numerus="yes">
        <source>%n items selected</source>
        <translation>
            <numerusform>%n Teil ausgewählt</numerusform>
            <numerusform>%n Teile ausgewählt</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n items</source>
        <translation>
            <numerusform>%n Teil</numerusform>
            <numerusform>%n Teile</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tavoro::ui::InsightsCard</name>
    <message>
        <source>Copy as Text</source>
        <translation>Als Text kopieren</translation>
    </message>
</context>
<context>
    <name>tavoro::ui::InsightsView</name>
    <message>
        <source>Insights</source>
        <translation>Einblicke</translation>
    </message>
    <message>
        <source>Items per Collection</source>
        <translation>Teile je Sammlung</translation>
    </message>
    <message>
        <source>Items per Value</source>
        <translation>Teile je Wert</translation>
    </message>
    <message>
        <source>Tag</source>
        <translation>Merkmal</translation>
    </message>
    <message>
        <source>Wears per Month</source>
        <translation>Getragen je Monat</translation>
    </message>
    <message>
        <source>Least Worn</source>
        <translation>Am seltensten getragen</translation>
    </message>
    <message>
        <source>Cost per Wear</source>
        <translation>Kosten pro Tragen</translation>
    </message>
    <message>
        <source>Item</source>
        <translation>Teil</translation>
    </message>
    <message>
        <source>Collection</source>
        <translation>Sammlung</translation>
    </message>
    <message>
        <source>Price</source>
        <translation>Preis</translation>
    </message>
    <message>
        <source>Wears</source>
        <translation>Getragen</translation>
    </message>
    <message>
        <source>Per Wear</source>
        <translation>Pro Tragen</translation>
    </message>
    <message>
        <source>No tags</source>
        <translation>Keine Merkmale</translation>
    </message>
    <message>
        <source>Items per value of &quot;%1&quot;</source>
        <translation>Teile je Wert von „%1“</translation>
    </message>
    <message>
        <source>never worn</source>
        <translation>nie getragen</translation>
    </message>
    <message>
        <source>No item has a value in a tag named &quot;Price&quot; or &quot;Cost&quot;.</source>
        <translation>Kein Teil hat einen Wert in einem Merkmal namens „Price“ oder „Cost“ (Preis).</translation>
    </message>
    <message>
        <source>Total: %1</source>
        <translation>Gesamt: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n values not read as a price.</source>
        <translation>
            <numerusform>%n Wert nicht als Preis gelesen.</numerusform>
            <numerusform>%n Werte nicht als Preis gelesen.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tavoro::ui::ItemDetailsPane</name>
    <message>
        <source>Add to Combination</source>
        <translation>Zur Kombination hinzufügen</translation>
    </message>
    <message>
        <source>Worn Today</source>
        <translation>Heute getragen</translation>
    </message>
    <message>
        <source>Worn on...</source>
        <translation>Getragen am...</translation>
    </message>
</context>
<context>
    <name>tavoro::ui::ItemListPane</name>
    <message>
        <source>Add Photos</source>
        <translation>Fotos hinzufügen</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Aktualisieren</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Delete Selected Photos</source>
        <translation>Ausgewählte Fotos löschen</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Umbenennen</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Alle auswählen</translation>
    </message>
    <message>
        <source>Select Inverse</source>
        <translation>Auswahl umkehren</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Date Added</source>
        <translation>Hinzufügedatum</translation>
    </message>
    <message>
        <source>Thumbnails</source>
        <translation>Miniaturansichten</translation>
    </message>
    <message>
        <source>Icons</source>
        <translation>Symbole</translation>
    </message>
    <message>
        <source>List</source>
        <translation>Liste</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Details</translation>
    </message>
    <message>
        <source>Are you sure you want to delete &quot;%1&quot;?</source>
        <translation>Möchten Sie „%1“ wirklich löschen?</translation>
    </message>
    <message numerus="yes">
        <source>Are you sure you want to delete these %n items?</source>
        <translation>
            <numerusform>Möchten Sie dieses %n Teil wirklich löschen?</numerusform>
            <numerusform>Möchten Sie diese %n Teile wirklich löschen?</numerusform>
        </translation>
    </message>
    <message>
        <source>Confirm Item Delete</source>
        <translation>Löschen des Teils bestätigen</translation>
    </message>
    <message>
        <source>Confirm Multiple Item Delete</source>
        <translation>Löschen mehrerer Teile bestätigen</translation>
    </message>
    <message>
        <source>Add to Combination</source>
        <translation>Zur Kombination hinzufügen</translation>
    </message>
</context>
<context>
    <name>tavoro::ui::LeastWornRow</name>
    <message>
        <source>Show &quot;%1&quot; in its collection</source>
        <translation>„%1“ in seiner Sammlung zeigen</translation>
    </message>
</context>
<context>
    <name>tavoro::ui::MainView</name>
    <message>
        <source>Home</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>_Wardrobe_</source>
        <translation>_Garderobe_</translation>
    </message>
</context>
<context>
    <name>tavoro::ui::MainWindow</name>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <source> (read-only)</source>
        <translation> (schreibgeschützt)</translation>
    </message>
</context>
<context>
    <name>tavoro::ui::NavigationLink</name>
    <message>
        <source>Tavoro failed to launch your default Email program, which hasn&apos;t
been specified or installed in your system.

</source>
        <translation>Tavoro konnte Ihr Standard-E-Mail-Programm nicht starten; es ist
auf Ihrem System nicht festgelegt oder nicht installiert.

</translation>
    </message>
</context>
<context>
    <name>tavoro::ui::NewWardrobeDialog</name>
    <message>
        <source>New Wardrobe</source>
        <translation>Neue Garderobe</translation>
    </message>
    <message>
        <source>Wardrobe name:</source>
        <translation>Name der Garderobe:</translation>
    </message>
    <message>
        <source>Where to save wardrobe files:</source>
        <translation>Speicherort der Garderobendateien:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Please select a folder:</source>
        <translation>Bitte wählen Sie einen Ordner:</translation>
    </message>
    <message>
        <source>Invalid wardrobe name: %1

Hint: a wardrobe name cannot contain any of the following charactes:
	\ / : * ? &quot; &lt; &gt; |</source>
        <translation>Ungültiger Garderobenname: %1

Hinweis: Ein Garderobenname darf keines der folgenden Zeichen enthalten:
	\ / : * ? &quot; &lt; &gt; |</translation>
    </message>
    <message>
        <source>Invalid folder: &quot;%1&quot;

Please specify another location.</source>
        <translation>Ungültiger Ordner: „%1“

Bitte geben Sie einen anderen Speicherort an.</translation>
    </message>
    <message>
        <source>A wardrobe with the specified name already exists on disk in the specified location.

Please enter a new wardrobe name or choose another folder.</source>
        <translation>Am angegebenen Speicherort gibt es bereits eine Garderobe mit diesem Namen.

Bitte geben Sie einen anderen Namen ein oder wählen Sie einen anderen Ordner.</translation>
    </message>
</context>
<context>
    <name>tavoro::ui::OpenWardrobeDialog</name>
    <message>
        <source>Open Wardrobe</source>
        <translation>Garderobe öffnen</translation>
    </message>
    <message>
        <source>Select a wardrobe to open:</source>
        <translation>Wählen Sie die Garderobe, die geöffnet werden soll:</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Durchsuchen...</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Restore Backup...</source>
        <translation>Sicherung wiederherstellen...</translation>
    </message>
    <message>
        <source>Unpack a wardrobe from a backup into a new folder and open it</source>
        <translation>Eine Garderobe aus einer Sicherung in einen neuen Ordner entpacken und öffnen</translation>
    </message>
</context>
<context>
    <name>tavoro::ui::PrintableSheetDialog</name>
    <message>
        <source>Export Printable Sheet</source>
        <translation>Druckbogen exportieren</translation>
    </message>
    <message>
        <source>A4</source>
        <translation>A4</translation>
    </message>
    <message>
        <source>Letter</source>
        <translation>Letter</translation>
    </message>
    <message>
        <source>Paper</source>
        <translation>Papier</translation>
    </message>
    <message>
        <source>Tags printed under each name</source>
        <translation>Unter jedem Namen gedruckte Merkmale</translation>
    </message>
    <message>
        <source>A page for each collection, with a picture and the name of every item.</source>
        <translation>Eine Seite je Sammlung, mit einem Bild und dem Namen jedes Teils.</translation>
    </message>
    <message>
        <source>Print the values of these tags under each name:</source>
        <translation>Die Werte dieser Merkmale unter jeden Namen drucken:</translation>
    </message>
    <message>
        <source>Paper:</source>
        <translation>Papier:</translation>
    </message>
    <message>
        <source>Export...</source>
        <translation>Exportieren...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>tavoro::ui::RecentWardrobeList</name>
    <message>
        <source>No recent wardrobes.</source>
        <translation>Keine zuletzt geöffneten Garderoben.</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Copy Path to Clipboard</source>
        <translation>Pfad in die Zwischenablage kopieren</translation>
    </message>
    <message>
        <source>Clear List</source>
        <translation>Liste leeren</translation>
    </message>
    <message>
        <source>Are you sure you want to clear the recent wardrobes list?</source>
        <translation>Möchten Sie die Liste der zuletzt geöffneten Garderoben wirklich leeren?</translation>
    </message>
    <message>
        <source>Confirm Clear</source>
        <translation>Leeren bestätigen</translation>
    </message>
</context>
<context>
    <name>tavoro::ui::SearchBox</name>
    <message>
        <source>Search %1</source>
        <translation>%1 durchsuchen</translation>
    </message>
</context>
<context>
    <name>tavoro::ui::SearchResultList</name>
    <message>
        <source>No items match your search.</source>
        <translation>Keine Teile entsprechen Ihrer Suche.</translation>
    </message>
    <message>
        <source>Add to Combination</source>
        <translation>Zur Kombination hinzufügen</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Umbenennen</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Alle auswählen</translation>
    </message>
    <message>
        <source>Select Inverse</source>
        <translation>Auswahl umkehren</translation>
    </message>
    <message>
        <source>Are you sure you want to delete &quot;%1&quot;?</source>
        <translation>Möchten Sie „%1“ wirklich löschen?</translation>
    </message>
    <message>
        <source>Confirm Item Delete</source>
        <translation>Löschen des Teils bestätigen</translation>
    </message>
    <message numerus="yes">
        <source>Are you sure you want to delete these %n items?</source>
        <translation>
            <numerusform>Möchten Sie dieses %n Teil wirklich löschen?</numerusform>
            <numerusform>Möchten Sie diese %n Teile wirklich löschen?</numerusform>
        </translation>
    </message>
    <message>
        <source>Confirm Multiple Item Delete</source>
        <translation>Löschen mehrerer Teile bestätigen</translation>
    </message>
</context>
<context>
    <name>tavoro::ui::SearchResultsBanner</name>
    <message>
        <source>Search Results</source>
        <translation>Suchergebnisse</translation>
    </message>
</context>
<context>
    <name>tavoro::ui::SearchResultsPane</name>
    <message>
        <source>Hide Search Results</source>
        <translation>Suchergebnisse ausblenden</translation>
    </message>
</context>
<context>
    <name>tavoro::ui::TagPane</name>
    <message>
        <source>Tag &quot;%1&quot; already exists. Please try another name.</source>
        <translation>Das Merkmal „%1“ gibt es bereits. Bitte wählen Sie einen anderen Namen.</translation>
    </message>
    <message>
        <source>Add a Tag...</source>
        <translation>Merkmal hinzufügen...</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Rename...</source>
        <translation>Umbenennen...</translation>
    </message>
    <message>
        <source>Delete All Tags</source>
        <translation>Alle Merkmale löschen</translation>
    </message>
    <message>
        <source>Move to Top</source>
        <translation>Ganz nach oben</translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation>Nach oben</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>Nach unten</translation>
    </message>
    <message>
        <source>Move to Bottom</source>
        <translation>Ganz nach unten</translation>
    </message>
    <message>
        <source>Sort Ascending</source>
        <translation>Aufsteigend sortieren</translation>
    </message>
    <message>
        <source>Sort Descending</source>
        <translation>Absteigend sortieren</translation>
    </message>
    <message>
        <source>Edit Value...</source>
        <translation>Wert bearbeiten...</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Leeren</translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation>Alle leeren</translation>
    </message>
    <message>
        <source>Are you sure you want to delete tag &quot;%1&quot;?

Note: all values for this tag in current wardrobe will be lost.</source>
        <translation>Möchten Sie das Merkmal „%1“ wirklich löschen?

Hinweis: Alle Werte dieses Merkmals in der aktuellen Garderobe gehen verloren.</translation>
    </message>
    <message>
        <source>Confirm Tag Delete</source>
        <translation>Löschen des Merkmals bestätigen</translation>
    </message>
    <message>
        <source>Are you sure you want to delete all existing tags?

Note: values for all tags in current wardrobe will be lost.</source>
        <translation>Möchten Sie wirklich alle Merkmale löschen?

Hinweis: Die Werte aller Merkmale in der aktuellen Garderobe gehen verloren.</translation>
    </message>
    <message>
        <source>Confirm Delete All Tags</source>
        <translation>Löschen aller Merkmale bestätigen</translation>
    </message>
    <message>
        <source>Sort Tags</source>
        <translation>Merkmale sortieren</translation>
    </message>
</context>
<context>
    <name>tavoro::ui::WardrobePage</name>
    <message>
        <source>Combinations</source>
        <translation>Kombinationen</translation>
    </message>
    <message>
        <source>Insights</source>
        <translation>Einblicke</translation>
    </message>
</context>
<context>
    <name>tavoro::ui::WardrobeSession</name>
    <message>
        <source>Add Collection</source>
        <translation>Sammlung hinzufügen</translation>
    </message>
    <message>
        <source>Rename Collection</source>
        <translation>Sammlung umbenennen</translation>
    </message>
    <message>
        <source>Move Collection</source>
        <translation>Sammlung verschieben</translation>
    </message>
    <message>
        <source>Delete Collection</source>
        <translation>Sammlung löschen</translation>
    </message>
    <message>
        <source>Add Tag</source>
        <translation>Merkmal hinzufügen</translation>
    </message>
    <message>
        <source>Rename Tag</source>
        <translation>Merkmal umbenennen</translation>
    </message>
    <message>
        <source>Move Tag</source>
        <translation>Merkmal verschieben</translation>
    </message>
    <message>
        <source>Delete Tag</source>
        <translation>Merkmal löschen</translation>
    </message>
    <message>
        <source>Delete All Tags</source>
        <translation>Alle Merkmale löschen</translation>
    </message>
    <message>
        <source>Add Photo</source>
        <translation>Foto hinzufügen</translation>
    </message>
    <message>
        <source>Add %1 Photos</source>
        <translation>%1 Fotos hinzufügen</translation>
    </message>
    <message>
        <source>Rename Item</source>
        <translation>Teil umbenennen</translation>
    </message>
    <message>
        <source>Delete Item</source>
        <translation>Teil löschen</translation>
    </message>
    <message>
        <source>Delete %1 Items</source>
        <translation>%1 Teile löschen</translation>
    </message>
    <message>
        <source>Clear %1</source>
        <translation>%1 leeren</translation>
    </message>
    <message>
        <source>Set %1</source>
        <translation>%1 setzen</translation>
    </message>
    <message>
        <source>Clear All Values</source>
        <translation>Alle Werte leeren</translation>
    </message>
    <message>
        <source>No collection can be added: the wardrobe has given out every collection number.</source>
        <translation>Es kann keine Sammlung hinzugefügt werden: Die Garderobe hat alle Sammlungsnummern vergeben.</translation>
    </message>
    <message>
        <source>No tag can be added: the collection has given out every tag number.</source>
        <translation>Es kann kein Merkmal hinzugefügt werden: Die Sammlung hat alle Merkmalsnummern vergeben.</translation>
    </message>
    <message numerus="yes">
        <source>%n photo(s) could not be added: the collection has given out every item number.</source>
        <translation>
            <numerusform>%n Foto konnte nicht hinzugefügt werden: Die Sammlung hat alle Teilenummern vergeben.</numerusform>
            <numerusform>%n Fotos konnten nicht hinzugefügt werden: Die Sammlung hat alle Teilenummern vergeben.</numerusform>
        </translation>
    </message>
    <message>
        <source>Wardrobe &quot;%1&quot; is open read-only: it cannot be changed. To change it, close it and open it again once no other Tavoro has it open.</source>
        <translation>Garderobe &quot;%1&quot; ist schreibgeschützt geöffnet: Sie kann nicht geändert werden. Um sie zu ändern, schließen Sie sie und öffnen Sie sie erneut, sobald kein anderes Tavoro sie geöffnet hat.</translation>
    </message>
    <message>
        <source>Undo %1</source>
        <translation>Rückgängig: %1</translation>
    </message>
    <message>
        <source>Worn Today</source>
        <translation>Heute getragen</translation>
    </message>
    <message>
        <source>Worn on %1</source>
        <translation>Getragen am %1</translation>
    </message>
    <message>
        <source>New Combination</source>
        <translation>Neue Kombination</translation>
    </message>
    <message>
        <source>Add to Combination</source>
        <translation>Zur Kombination hinzufügen</translation>
    </message>
    <message>
        <source>Remove from Combination</source>
        <translation>Aus Kombination entfernen</translation>
    </message>
    <message>
        <source>Remove %1 Items from Combination</source>
        <translation>%1 Teile aus Kombination entfernen</translation>
    </message>
    <message>
        <source>Move in Combination</source>
        <translation>In Kombination verschieben</translation>
    </message>
    <message>
        <source>Rename Combination</source>
        <translation>Kombination umbenennen</translation>
    </message>
    <message>
        <source>Delete Combination</source>
        <translation>Kombination löschen</translation>
    </message>
</context>
<context>
    <name>tavoro::ui::WearDateDialog</name>
    <message>
        <source>Worn on</source>
        <translation>Getragen am</translation>
    </message>
    <message>
        <source>The day it was worn:</source>
        <translation>Der Tag, an dem es getragen wurde:</translation>
    </message>
    <message>
        <source>Day worn</source>
        <translation>Tag des Tragens</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>tavoro::ui::WearStrip</name>
    <message>
        <source>Worn Today</source>
        <translation>Heute getragen</translation>
    </message>
</context>
<context>
    <name>tavoro::ui::WebCatalogueDialog</name>
    <message>
        <source>Also copy the original photos into the catalogue</source>
        <translation>Auch die Originalfotos in den Katalog kopieren</translation>
    </message>
    <message>
        <source>Export Web Catalogue</source>
        <translation>Webkatalog exportieren</translation>
    </message>
    <message>
        <source>The catalogue is a folder of web pages that opens in any browser: a page per collection with every item&apos;s name, tag values and photos, and a box that filters the items. Its pictures are made for it, smaller than the photos.</source>
        <translation>Der Katalog ist ein Ordner mit Webseiten, der sich in jedem Browser öffnet: eine Seite je Sammlung mit Namen, Werten und Fotos jedes Teils und einem Feld, das die Teile filtert. Seine Bilder werden für ihn erstellt, kleiner als die Fotos.</translation>
    </message>
    <message>
        <source>Export...</source>
        <translation>Exportieren...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
</TS>
