<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>About</name>
    <message>
        <source>The daylight-saving dates come from this computer&apos;s time-zone database, which does not name its version.</source>
        <translation>Die Sommerzeitdaten stammen aus der Zeitzonendatenbank dieses Computers, die ihre Version nicht nennt.</translation>
    </message>
    <message>
        <source>The daylight-saving dates come from this computer&apos;s time-zone database, version %1.</source>
        <translation>Die Sommerzeitdaten stammen aus der Zeitzonendatenbank dieses Computers, Version %1.</translation>
    </message>
    <message>
        <source>Zorvane %1</source>
        <translation>Zorvane %1</translation>
    </message>
    <message>
        <source>A world clock: the local time of every country and time zone, with a country information window and a world map of day and night.</source>
        <translation>Eine Weltuhr: die Ortszeit jedes Landes und jeder Zeitzone, mit einem Fenster für Länderinformationen und einer Weltkarte von Tag und Nacht.</translation>
    </message>
    <message>
        <source>Your files (countries.txt, tzone.txt, highlight.txt) are in:</source>
        <translation>Ihre Dateien (countries.txt, tzone.txt, highlight.txt) liegen in:</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>the data folder &quot;%1&quot; does not exist.</source>
        <translation>der Datenordner „%1“ existiert nicht.</translation>
    </message>
</context>
<context>
    <name>DataFiles</name>
    <message>
        <source>name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>offset from GMT</source>
        <translation>Abstand zu GMT</translation>
    </message>
    <message>
        <source>daylight-saving hours</source>
        <translation>Sommerzeit-Stunden</translation>
    </message>
    <message>
        <source>daylight saving used</source>
        <translation>Sommerzeit verwendet</translation>
    </message>
    <message>
        <source>daylight-saving start date</source>
        <translation>Beginn der Sommerzeit</translation>
    </message>
    <message>
        <source>daylight-saving end date</source>
        <translation>Ende der Sommerzeit</translation>
    </message>
    <message>
        <source>location</source>
        <translation>Lage</translation>
    </message>
    <message>
        <source>capital</source>
        <translation>Hauptstadt</translation>
    </message>
    <message>
        <source>latitude</source>
        <translation>Breite</translation>
    </message>
    <message>
        <source>longitude</source>
        <translation>Länge</translation>
    </message>
    <message>
        <source>languages</source>
        <translation>Sprachen</translation>
    </message>
    <message>
        <source>map picture name</source>
        <translation>Name des Kartenbilds</translation>
    </message>
    <message>
        <source>brief history</source>
        <translation>Kurze Geschichte</translation>
    </message>
    <message>
        <source>The file could not be read: %1.</source>
        <translation>Die Datei konnte nicht gelesen werden: %1.</translation>
    </message>
    <message>
        <source>The file is larger than %1 MB; only its beginning was read.</source>
        <translation>Die Datei ist größer als %1 MB; nur ihr Anfang wurde gelesen.</translation>
    </message>
    <message>
        <source>Reading stopped in the three header lines: the file ends there.</source>
        <translation>Das Lesen endete in den drei Kopfzeilen: Dort endet die Datei.</translation>
    </message>
    <message>
        <source>Reading stopped at entry %1%2, field %3 (%4): </source>
        <translation>Das Lesen endete bei Eintrag %1%2, Feld %3 (%4): </translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a date between # signs.</source>
        <translation>„%1“ ist kein Datum zwischen #-Zeichen.</translation>
    </message>
    <message>
        <source>the file ends there.</source>
        <translation>Dort endet die Datei.</translation>
    </message>
    <message>
        <source>countries.txt could be read only in part. </source>
        <translation>countries.txt konnte nur teilweise gelesen werden. </translation>
    </message>
    <message>
        <source> The entries from there on are empty or incomplete. The file has not been changed; saving the table is refused until the file reads whole again.</source>
        <translation> Die Einträge ab dort sind leer oder unvollständig. Die Datei wurde nicht verändert; die Tabelle wird erst wieder gespeichert, wenn die Datei vollständig lesbar ist.</translation>
    </message>
    <message>
        <source>The changes not saved could not be kept in %1: %2</source>
        <translation>Die nicht gespeicherten Änderungen konnten nicht in %1 aufbewahrt werden: %2</translation>
    </message>
    <message>
        <source>The kept changes in %1 do not read whole, so they were not saved.</source>
        <translation>Die aufbewahrten Änderungen in %1 sind nicht vollständig lesbar und wurden daher nicht gespeichert.</translation>
    </message>
    <message>
        <source>a folder</source>
        <translation>ein Ordner</translation>
    </message>
    <message>
        <source>a named pipe</source>
        <translation>eine benannte Pipe</translation>
    </message>
    <message>
        <source>a device</source>
        <translation>ein Gerät</translation>
    </message>
    <message>
        <source>a socket</source>
        <translation>ein Socket</translation>
    </message>
    <message>
        <source>a special file</source>
        <translation>eine Spezialdatei</translation>
    </message>
    <message>
        <source>it is a symbolic link to a file that does not exist, so nothing was written</source>
        <translation>sie ist ein symbolischer Link auf eine nicht vorhandene Datei, daher wurde nichts geschrieben</translation>
    </message>
    <message>
        <source>the file is read-only (you may not change it), so it was left as it is</source>
        <translation>die Datei ist schreibgeschützt (Sie dürfen sie nicht ändern) und blieb daher unverändert</translation>
    </message>
    <message>
        <source>it is %1, not a regular file, so it was left alone</source>
        <translation>sie ist %1, keine gewöhnliche Datei, und blieb daher unberührt</translation>
    </message>
    <message>
        <source>it is a symbolic link to %1, not to a regular file, so nothing was written</source>
        <translation>sie ist ein symbolischer Link auf %1, nicht auf eine gewöhnliche Datei, daher wurde nichts geschrieben</translation>
    </message>
    <message>
        <source>it is a symbolic link in a folder that is not yours alone (another user could have put it there), so nothing was written through it</source>
        <translation>sie ist ein symbolischer Link in einem Ordner, der nicht Ihnen allein gehört (ein anderer Benutzer könnte ihn dort angelegt haben), daher wurde nichts über ihn geschrieben</translation>
    </message>
    <message>
        <source>it is a chain of too many symbolic links, so nothing was written</source>
        <translation>sie ist eine Kette aus zu vielen symbolischen Links, daher wurde nichts geschrieben</translation>
    </message>
    <message>
        <source>its symbolic link cannot be read, so nothing was written</source>
        <translation>ihr symbolischer Link ist nicht lesbar, daher wurde nichts geschrieben</translation>
    </message>
    <message>
        <source>the file is too large to add to</source>
        <translation>die Datei ist zu groß, um etwas anzufügen</translation>
    </message>
    <message>
        <source>it could not be read</source>
        <translation>sie konnte nicht gelesen werden</translation>
    </message>
    <message>
        <source>it is larger than %1 MB</source>
        <translation>sie ist größer als %1 MB</translation>
    </message>
    <message>
        <source>reading stopped in its header</source>
        <translation>das Lesen endete im Kopf</translation>
    </message>
    <message>
        <source>reading stopped at entry %1</source>
        <translation>das Lesen endete bei Eintrag %1</translation>
    </message>
    <message>
        <source>countries.txt was read only in part (%1), so saving the whole table would empty the entries after that point. Nothing was written. Mend the file and start Zorvane again.</source>
        <translation>countries.txt wurde nur teilweise gelesen (%1); die ganze Tabelle zu speichern würde die Einträge nach dieser Stelle leeren. Es wurde nichts geschrieben. Reparieren Sie die Datei und starten Sie Zorvane neu.</translation>
    </message>
    <message>
        <source>it was changed on disk since Zorvane read it (by another copy of Zorvane or another program), so nothing was written and that change is kept</source>
        <translation>sie wurde auf dem Datenträger geändert, seit Zorvane sie gelesen hat (von einer anderen Zorvane-Kopie oder einem anderen Programm), daher wurde nichts geschrieben und diese Änderung bleibt erhalten</translation>
    </message>
</context>
<context>
    <name>DstUpdate</name>
    <message>
        <source>Entries not updated, no time zone known for their map picture name: </source>
        <translation>Nicht aktualisierte Einträge, für deren Kartenbildnamen keine Zeitzone bekannt ist: </translation>
    </message>
    <message>
        <source>empty</source>
        <translation>leer</translation>
    </message>
    <message>
        <source>Entries not updated, their time zone is missing from this computer&apos;s time-zone database: </source>
        <translation>Nicht aktualisierte Einträge, deren Zeitzone in der Zeitzonendatenbank dieses Computers fehlt: </translation>
    </message>
    <message>
        <source> to </source>
        <translation> bis </translation>
    </message>
    <message>
        <source>%1: %2 has %3 daylight saving stretches; its dates keep the longest and leave out %4.</source>
        <translation>%1: %2 hat %3 Sommerzeit-Abschnitte; die Daten behalten den längsten und lassen %4 aus.</translation>
    </message>
    <message>
        <source>The country file %1 does not exist, so no daylight saving dates were updated.</source>
        <translation>Die Länderdatei %1 existiert nicht, daher wurden keine Sommerzeitdaten aktualisiert.</translation>
    </message>
    <message>
        <source>The country file %1 could not be opened, so no daylight saving dates were updated. The file is unchanged.</source>
        <translation>Die Länderdatei %1 konnte nicht geöffnet werden, daher wurden keine Sommerzeitdaten aktualisiert. Die Datei ist unverändert.</translation>
    </message>
    <message>
        <source>The country file %1 could be read only as far as entry %2 of %3. Writing it back would lose the entries after that, so no daylight saving dates were updated. The file is unchanged.</source>
        <translation>Die Länderdatei %1 konnte nur bis Eintrag %2 von %3 gelesen werden. Sie zurückzuschreiben würde die folgenden Einträge verlieren, daher wurden keine Sommerzeitdaten aktualisiert. Die Datei ist unverändert.</translation>
    </message>
    <message>
        <source>The country file %1 could not be saved: %2. The file on disk is unchanged.</source>
        <translation>Die Länderdatei %1 konnte nicht gespeichert werden: %2. Die Datei auf der Festplatte ist unverändert.</translation>
    </message>
    <message>
        <source>The daylight saving dates in use are those of %1. Update them for %2 from this computer&apos;s time-zone database?</source>
        <translation>Die verwendeten Sommerzeitdaten sind die von %1. Sollen sie aus der Zeitzonendatenbank dieses Computers für %2 aktualisiert werden?</translation>
    </message>
    <message>
        <source>Daylight saving dates updated for %1 from this computer&apos;s time-zone database: </source>
        <translation>Sommerzeitdaten für %1 aus der Zeitzonendatenbank dieses Computers aktualisiert: </translation>
    </message>
    <message>
        <source>no entry changed.</source>
        <translation>kein Eintrag geändert.</translation>
    </message>
    <message>
        <source>1 entry changed.</source>
        <translation>1 Eintrag geändert.</translation>
    </message>
    <message>
        <source>%1 entries changed.</source>
        <translation>%1 Einträge geändert.</translation>
    </message>
</context>
<context>
    <name>EntryEdit</name>
    <message>
        <source>daylight saving hours</source>
        <translation>Die Sommerzeitstunden</translation>
    </message>
    <message>
        <source>daylight saving start date</source>
        <translation>Der Sommerzeitbeginn</translation>
    </message>
    <message>
        <source>daylight saving end date</source>
        <translation>Das Sommerzeitende</translation>
    </message>
    <message>
        <source>field &quot;%1&quot;</source>
        <translation>Das Feld „%1“</translation>
    </message>
    <message>
        <source>The %1 &quot;%2&quot; is not a date. Type a date such as Mar 28. The entry was not taken and its dates are unchanged.</source>
        <translation>%1 „%2“ ist kein Datum. Geben Sie ein Datum wie Mar 28 ein. Der Eintrag wurde nicht übernommen, seine Daten sind unverändert.</translation>
    </message>
    <message>
        <source>The %1 begins with a double quote, which the country file cannot keep at the start of a field. Remove it, or use single quotes, such as &apos;Old Town&apos;. The entry was not taken.</source>
        <translation>%1 beginnt mit einem doppelten Anführungszeichen, das die Länderdatei am Anfang eines Feldes nicht speichern kann. Entfernen Sie es oder nehmen Sie einfache Anführungszeichen, etwa &apos;Old Town&apos;. Der Eintrag wurde nicht übernommen.</translation>
    </message>
</context>
<context>
    <name>zv::ClockWindow</name>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Local time</source>
        <translation>Ortszeit</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>&amp;Refresh</source>
        <translation>&amp;Neu laden</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Berechnen</translation>
    </message>
    <message>
        <source>DST in</source>
        <translation>Sommerzeit in</translation>
    </message>
    <message>
        <source>AM in</source>
        <translation>Vormittag in</translation>
    </message>
    <message>
        <source>PM in</source>
        <translation>Nachmittag in</translation>
    </message>
    <message>
        <source>Zorvane was ended with changes to the country table that had not been saved. They were kept in %1.</source>
        <translation>Zorvane wurde mit nicht gespeicherten Änderungen an der Ländertabelle beendet. Sie wurden in %1 aufbewahrt.</translation>
    </message>
    <message>
        <source>Save them to countries.txt now? No discards them.</source>
        <translation>Jetzt in countries.txt speichern? „Nein“ verwirft sie.</translation>
    </message>
    <message>
        <source>The kept changes could not be saved: %1. They are still in %2.</source>
        <translation>Die aufbewahrten Änderungen konnten nicht gespeichert werden: %1. Sie liegen weiterhin in %2.</translation>
    </message>
    <message>
        <source>Your time zone settings could not be saved to %1: %2.</source>
        <translation>Ihre Zeitzoneneinstellungen konnten nicht in %1 gespeichert werden: %2.</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>Sunlight Map</source>
        <translation>Tageslichtkarte</translation>
    </message>
    <message>
        <source>Use This Computer&apos;s Zone</source>
        <translation>Zeitzone dieses Computers verwenden</translation>
    </message>
    <message>
        <source>Update Daylight Saving Dates</source>
        <translation>Sommerzeitdaten aktualisieren</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Neu laden</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Functions</source>
        <translation>Funktionen</translation>
    </message>
    <message>
        <source>Locate on World Map</source>
        <translation>Auf Weltkarte zeigen</translation>
    </message>
    <message>
        <source>Highlight</source>
        <translation>Hervorheben</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>More info</source>
        <translation>Mehr Infos</translation>
    </message>
    <message>
        <source>Change to...</source>
        <translation>Ändern auf...</translation>
    </message>
    <message>
        <source>The highlight could not be saved to highlight.txt: %1.</source>
        <translation>Die Hervorhebung konnte nicht in highlight.txt gespeichert werden: %1.</translation>
    </message>
    <message>
        <source>The highlights could not be saved to highlight.txt: %1.</source>
        <translation>Die Hervorhebungen konnten nicht in highlight.txt gespeichert werden: %1.</translation>
    </message>
    <message>
        <source>None found.</source>
        <translation>Nichts gefunden.</translation>
    </message>
    <message>
        <source>Enter the new time for </source>
        <translation>Neue Uhrzeit eingeben für </translation>
    </message>
    <message>
        <source>This computer&apos;s time zone is not known, so the settings were left as they are.</source>
        <translation>Die Zeitzone dieses Computers ist unbekannt, daher blieben die Einstellungen unverändert.</translation>
    </message>
    <message>
        <source>Time list</source>
        <translation>Zeitliste</translation>
    </message>
    <message>
        <source>Daylight saving time active in %1 countries/zones</source>
        <translation>Sommerzeit gilt in %1 Ländern/Zonen</translation>
    </message>
    <message>
        <source>Enter partial or full name of the country to locate

Found items will be displayed in bright GREEN color
Press F5 to change to normal color</source>
        <translation>Geben Sie den Namen des gesuchten Landes ganz oder teilweise ein

Gefundene Einträge erscheinen in hellem GRÜN
F5 stellt die normale Farbe wieder her</translation>
    </message>
    <message>
        <source>This computer&apos;s time zone could not be read, so the settings take the offset of its clock: %1 hours from GMT, without daylight saving time. If that is wrong, correct it in File, Settings; the settings are saved for the next start only when changed.</source>
        <translation>Die Zeitzone dieses Computers konnte nicht gelesen werden, daher übernehmen die Einstellungen den Abstand seiner Uhr: %1 Stunden zu GMT, ohne Sommerzeit. Falls das falsch ist, korrigieren Sie es unter Datei, Einstellungen; die Einstellungen werden für den nächsten Start nur gespeichert, wenn sie geändert wurden.</translation>
    </message>
    <message>
        <source>Of which daylight saving:</source>
        <translation>Davon Sommerzeit:</translation>
    </message>
    <message>
        <source>hours</source>
        <translation>Std.</translation>
    </message>
    <message>
        <source>Standard offset from GMT:</source>
        <translation>Normalabstand zu GMT:</translation>
    </message>
    <message>
        <source>Close this panel to see every time; File &gt; Settings brings it back.</source>
        <translation>Schließen zeigt alle Zeiten; Datei &gt; Einstellungen holt die Tafel zurück.</translation>
    </message>
    <message>
        <source>Of which daylight saving (hours)</source>
        <translation>Davon Sommerzeit (Stunden)</translation>
    </message>
    <message>
        <source>Standard offset from GMT (hours)</source>
        <translation>Normalabstand zu GMT (Stunden)</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>Clock as on the Desktop</source>
        <translation>Uhr wie auf dem Desktop</translation>
    </message>
    <message>
        <source>12-Hour Clock</source>
        <translation>12-Stunden-Uhr</translation>
    </message>
    <message>
        <source>24-Hour Clock</source>
        <translation>24-Stunden-Uhr</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;About Zorvane</source>
        <translation>Ü&amp;ber Zorvane</translation>
    </message>
    <message>
        <source>About Zorvane</source>
        <translation>Über Zorvane</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a time. Type a time such as 3:45 PM or 15:45.</source>
        <translation>„%1“ ist keine Uhrzeit. Geben Sie eine Uhrzeit wie 3:45 PM oder 15:45 ein.</translation>
    </message>
    <message>
        <source>daylight saving time in force</source>
        <translation>Sommerzeit gilt</translation>
    </message>
    <message>
        <source>highlighted</source>
        <translation>hervorgehoben</translation>
    </message>
    <message>
        <source>found</source>
        <translation>gefunden</translation>
    </message>
    <message>
        <source>dddd d MMMM</source>
        <comment>weekday and date in the clock&apos;s tips</comment>
        <translation>dddd, d. MMMM</translation>
    </message>
</context>
<context>
    <name>zv::CountryInfoWindow</name>
    <message>
        <source>Country Information</source>
        <translation>Länderinformationen</translation>
    </message>
    <message>
        <source>Country or Zone</source>
        <translation>Land oder Zone</translation>
    </message>
    <message>
        <source>Time now:</source>
        <translation>Jetzt:</translation>
    </message>
    <message>
        <source>Time zone relative to GMT</source>
        <translation>Zeitzone relativ zu GMT</translation>
    </message>
    <message>
        <source>Uses daylight saving time of </source>
        <translation>Hat Sommerzeit von </translation>
    </message>
    <message>
        <source>hrs</source>
        <translation>Std.</translation>
    </message>
    <message>
        <source>from</source>
        <translation>vom</translation>
    </message>
    <message>
        <source>(daylight saving time in force)</source>
        <translation>(Sommerzeit gilt)</translation>
    </message>
    <message>
        <source>to</source>
        <translation>bis</translation>
    </message>
    <message>
        <source>Further information</source>
        <translation>Weitere Informationen</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Lage</translation>
    </message>
    <message>
        <source>Capital</source>
        <translation>Hauptstadt</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>Breite</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>Länge</translation>
    </message>
    <message>
        <source>Locate on World Map</source>
        <translation>Auf der Weltkarte zeigen</translation>
    </message>
    <message>
        <source>Languages</source>
        <translation>Sprachen</translation>
    </message>
    <message>
        <source>Brief History</source>
        <translation>Kurze Geschichte</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Sichern</translation>
    </message>
    <message>
        <source>Sa&amp;ve</source>
        <translation>Si&amp;chern</translation>
    </message>
    <message>
        <source>&amp;Find</source>
        <translation>&amp;Suchen</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Changes once saved cannot be discarded.</source>
        <translation>Einmal gespeicherte Änderungen lassen sich nicht verwerfen.</translation>
    </message>
    <message>
        <source>Are you sure want to proceed?</source>
        <translation>Möchten Sie wirklich fortfahren?</translation>
    </message>
    <message>
        <source>The country file could not be saved: %1. The file on disk is unchanged; your changes are still here.</source>
        <translation>Die Länderdatei konnte nicht gespeichert werden: %1. Die Datei auf der Festplatte ist unverändert; Ihre Änderungen sind noch hier.</translation>
    </message>
    <message>
        <source>Enter partial or full name of the country to locate</source>
        <translation>Geben Sie den Namen des gesuchten Landes ganz oder teilweise ein</translation>
    </message>
    <message>
        <source>Country or Zone list</source>
        <translation>Liste der Länder und Zonen</translation>
    </message>
    <message>
        <source>Entry number</source>
        <translation>Eintragsnummer</translation>
    </message>
    <message>
        <source>Scroll the map picture up and down</source>
        <translation>Kartenbild nach oben und unten rollen</translation>
    </message>
    <message>
        <source>Scroll the map picture left and right</source>
        <translation>Kartenbild nach links und rechts rollen</translation>
    </message>
    <message>
        <source>Map picture</source>
        <translation>Kartenbild</translation>
    </message>
    <message>
        <source>map picture name</source>
        <translation>Name des Kartenbilds</translation>
    </message>
    <message>
        <source>daylight saving hours</source>
        <translation>Sommerzeit-Stunden</translation>
    </message>
    <message>
        <source>daylight saving used</source>
        <translation>Sommerzeit verwendet</translation>
    </message>
    <message>
        <source>No entry is shown.</source>
        <translation>Es wird kein Eintrag angezeigt.</translation>
    </message>
    <message>
        <source>Too long to edit here, kept as it is: %1</source>
        <translation>Zu lang zum Bearbeiten, bleibt unverändert: %1</translation>
    </message>
    <message>
        <source>Map of %1</source>
        <translation>Karte von %1</translation>
    </message>
    <message>
        <source>holds a comma</source>
        <translation>enthält ein Komma</translation>
    </message>
    <message>
        <source>holds a line break</source>
        <translation>enthält einen Zeilenumbruch</translation>
    </message>
    <message>
        <source>begins with a space</source>
        <translation>beginnt mit einem Leerzeichen</translation>
    </message>
    <message>
        <source>begins with a double quote</source>
        <translation>beginnt mit einem doppelten Anführungszeichen</translation>
    </message>
    <message>
        <source>Daylight saving time of (hrs)</source>
        <translation>Sommerzeit von (Std.)</translation>
    </message>
    <message>
        <source>Daylight saving time from</source>
        <translation>Sommerzeit vom</translation>
    </message>
    <message>
        <source>Daylight saving time to</source>
        <translation>Sommerzeit bis</translation>
    </message>
    <message>
        <source>Map picture name</source>
        <translation>Name des Kartenbilds</translation>
    </message>
    <message>
        <source>First entry</source>
        <translation>Erster Eintrag</translation>
    </message>
    <message>
        <source>Previous entry</source>
        <translation>Vorheriger Eintrag</translation>
    </message>
    <message>
        <source>Next entry</source>
        <translation>Nächster Eintrag</translation>
    </message>
    <message>
        <source>Last entry</source>
        <translation>Letzter Eintrag</translation>
    </message>
    <message>
        <source>To edit a field, double-click it, press F2 on it or start typing.</source>
        <translation>Zum Bearbeiten ein Feld doppelklicken, F2 drücken oder lostippen.</translation>
    </message>
    <message>
        <source>Time now: %1</source>
        <translation>Jetzt: %1</translation>
    </message>
    <message>
        <source>No daylight saving time</source>
        <translation>Keine Sommerzeit</translation>
    </message>
    <message>
        <source>Your changes to the country information are not saved. Save them before closing?</source>
        <translation>Ihre Änderungen an den Länderinformationen sind nicht gespeichert. Vor dem Schließen speichern?</translation>
    </message>
    <message>
        <source>No country or zone name contains &quot;%1&quot;. Type a part of a name, such as Chile or united.</source>
        <translation>Kein Länder- oder Zonenname enthält „%1“. Geben Sie einen Teil eines Namens ein, etwa Chile oder united.</translation>
    </message>
    <message>
        <source>The map picture %1 is missing. Put a JPEG picture of that name in the Maps folder (for the map picture name cl: cl-map.jpg).</source>
        <translation>Das Kartenbild %1 fehlt. Legen Sie ein JPEG-Bild dieses Namens in den Ordner Maps (für den Kartenbildnamen cl: cl-map.jpg).</translation>
    </message>
    <message>
        <source>for this entry</source>
        <translation>für diesen Eintrag</translation>
    </message>
    <message>
        <source>The map picture %1 cannot be read. Save it again as a JPEG or PNG picture.</source>
        <translation>Das Kartenbild %1 kann nicht gelesen werden. Speichern Sie es erneut als JPEG- oder PNG-Bild.</translation>
    </message>
    <message>
        <source>The map picture was copied to the clipboard.</source>
        <translation>Das Kartenbild wurde in die Zwischenablage kopiert.</translation>
    </message>
    <message>
        <source>This entry has no latitude or longitude to locate on the world map. Type them such as 33.45S and 70.67W, then press the link again.</source>
        <translation>Dieser Eintrag hat keine Breite oder Länge, um ihn auf der Weltkarte zu zeigen. Geben Sie sie wie 33.45S und 70.67W ein und drücken Sie den Verweis erneut.</translation>
    </message>
    <message>
        <source>Scroll the brief history up and down</source>
        <translation>Kurze Geschichte nach oben und unten rollen</translation>
    </message>
    <message>
        <source>Scroll the brief history left and right</source>
        <translation>Kurze Geschichte nach links und rechts rollen</translation>
    </message>
    <message>
        <source>Country or Zone names</source>
        <translation>Namen der Länder und Zonen</translation>
    </message>
    <message>
        <source>The field &quot;%1&quot; of entry %2 (%3) %4, which the country file cannot keep. Nothing was saved: change the field and save again.</source>
        <translation>Das Feld „%1“ von Eintrag %2 (%3) %4, was die Länderdatei nicht speichern kann. Es wurde nichts gespeichert: Ändern Sie das Feld und speichern Sie erneut.</translation>
    </message>
    <message>
        <source>The field &quot;%1&quot; of entry %2 (%3) holds the character &quot;%4&quot; (U+%5), which the country file&apos;s character set cannot hold. Nothing was saved: replace the character with one the file can hold, such as a plain letter, and save again.</source>
        <translation>Das Feld „%1“ von Eintrag %2 (%3) enthält das Zeichen „%4“ (U+%5), das der Zeichensatz der Länderdatei nicht darstellen kann. Es wurde nichts gespeichert: Ersetzen Sie das Zeichen durch eines, das die Datei darstellen kann, etwa einen einfachen Buchstaben, und speichern Sie erneut.</translation>
    </message>
</context>
<context>
    <name>zv::WorldMapWindow</name>
    <message>
        <source>World Map</source>
        <translation>Weltkarte</translation>
    </message>
    <message>
        <source>Plot Sunrise/Sunset</source>
        <translation>Morgen/Abend zeigen</translation>
    </message>
    <message>
        <source>Show Day/Night</source>
        <translation>Tag/Nacht zeigen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Find Country</source>
        <translation>Land suchen</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>Breite</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>Länge</translation>
    </message>
    <message>
        <source>Sunrise at</source>
        <translation>Aufgang um</translation>
    </message>
    <message>
        <source>Sunset at</source>
        <translation>Untergang um</translation>
    </message>
    <message>
        <source>Sun rise</source>
        <translation>Morgen</translation>
    </message>
    <message>
        <source>Sun set</source>
        <translation>Abend</translation>
    </message>
    <message>
        <source>Night</source>
        <translation>Nacht</translation>
    </message>
    <message>
        <source>Latitude </source>
        <translation>Breite </translation>
    </message>
    <message>
        <source>Longitude </source>
        <translation>Länge </translation>
    </message>
    <message>
        <source>Sunrise at </source>
        <translation>Aufgang um </translation>
    </message>
    <message>
        <source>Sunset at </source>
        <translation>Untergang um </translation>
    </message>
    <message>
        <source>Enter the partial name of country to locate</source>
        <translation>Geben Sie einen Teil des Namens des gesuchten Landes ein</translation>
    </message>
    <message>
        <source>The GMT time &quot;%1&quot; is not a time of day, so the day and night lines cannot be shown.</source>
        <translation>Die GMT-Zeit „%1“ ist keine Uhrzeit, daher können die Tag-und-Nacht-Linien nicht gezeigt werden.</translation>
    </message>
    <message>
        <source>No sunrise</source>
        <translation>Kein Aufgang</translation>
    </message>
    <message>
        <source>No sunset</source>
        <translation>Kein Untergang</translation>
    </message>
    <message>
        <source>Jan</source>
        <translation>Jan</translation>
    </message>
    <message>
        <source>Feb</source>
        <translation>Feb</translation>
    </message>
    <message>
        <source>Mar</source>
        <translation>Mär</translation>
    </message>
    <message>
        <source>Apr</source>
        <translation>Apr</translation>
    </message>
    <message>
        <source>May</source>
        <translation>Mai</translation>
    </message>
    <message>
        <source>Jun</source>
        <translation>Jun</translation>
    </message>
    <message>
        <source>Jul</source>
        <translation>Jul</translation>
    </message>
    <message>
        <source>Aug</source>
        <translation>Aug</translation>
    </message>
    <message>
        <source>Sep</source>
        <translation>Sep</translation>
    </message>
    <message>
        <source>Oct</source>
        <translation>Okt</translation>
    </message>
    <message>
        <source>Nov</source>
        <translation>Nov</translation>
    </message>
    <message>
        <source>Dec</source>
        <translation>Dez</translation>
    </message>
    <message>
        <source>Sun times for %1 %2 %3 GMT</source>
        <translation>Sonnenzeiten für %1. %2 %3 GMT</translation>
    </message>
    <message>
        <source>%1* not found</source>
        <translation>%1* nicht gefunden</translation>
    </message>
    <message>
        <source>1 country found.</source>
        <translation>1 Land gefunden.</translation>
    </message>
    <message>
        <source>%1 countries found.</source>
        <translation>%1 Länder gefunden.</translation>
    </message>
    <message>
        <source>13. Type mismatch</source>
        <translation>13. Typen unverträglich</translation>
    </message>
    <message>
        <source> (up all day)</source>
        <translation> (Polartag)</translation>
    </message>
    <message>
        <source> (down all day)</source>
        <translation> (Polarnacht)</translation>
    </message>
    <message>
        <source>The GMT box holds &quot;%1&quot;, which is not a time of day. Type a time such as 3:45 PM or 15:45.</source>
        <translation>Das GMT-Feld enthält „%1“, das keine Uhrzeit ist. Geben Sie eine Uhrzeit wie 3:45 PM oder 15:45 ein.</translation>
    </message>
    <message>
        <source>World map</source>
        <translation>Weltkarte</translation>
    </message>
    <message>
        <source>Cross at %1, %2. The arrow keys move it, with Shift in bigger steps; Enter shows the sunrise and sunset there.</source>
        <translation>Kreuz bei %1, %2. Die Pfeiltasten bewegen es, mit Umschalt in größeren Schritten; Eingabe zeigt dort Sonnenaufgang und -untergang.</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Fortschritt</translation>
    </message>
    <message>
        <source>Progress done</source>
        <translation>Erledigter Fortschritt</translation>
    </message>
    <message>
        <source>Point shown</source>
        <translation>Gezeigter Punkt</translation>
    </message>
    <message>
        <source>Legend</source>
        <translation>Legende</translation>
    </message>
    <message>
        <source>Red line</source>
        <translation>Rote Linie</translation>
    </message>
    <message>
        <source>Blue line</source>
        <translation>Blaue Linie</translation>
    </message>
</context>
</TS>
