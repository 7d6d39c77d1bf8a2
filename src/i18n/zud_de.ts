<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="de">
<context>
    <name>Anwendung</name>
    <message>
        <source>Anwendung %1</source>
        <translation>Anwendung %1</translation>
    </message>
    <message>
        <source>unbekanntes Modell</source>
        <translation>unbekanntes Modell</translation>
    </message>
    <message>
        <source>Keine gültige Anwendung: %1</source>
        <translation>Keine gültige Anwendung: %1</translation>
    </message>
    <message>
        <source>Lösche Übungen...</source>
        <translation>Lösche Übungen...</translation>
    </message>
    <message>
        <source>Werkszustand...</source>
        <translation>Werkszustand...</translation>
    </message>
</context>
<context>
    <name>Aufzeichnung</name>
    <message>
        <source>Keine Aufzeichnung: %1 Bytes, eine Aufzeichnung hat mindestens %2 (Programmkopf und Statistikblock).</source>
        <translation>Keine Aufzeichnung: %1 Bytes, eine Aufzeichnung hat mindestens %2 (Programmkopf und Statistikblock).</translation>
    </message>
    <message>
        <source>Keine Aufzeichnung: die Betriebsart %1 hat kein Messwertformat.</source>
        <translation>Keine Aufzeichnung: die Betriebsart %1 hat kein Messwertformat.</translation>
    </message>
    <message>
        <source>Die Übung enthält keine Daten.</source>
        <translation>Die Übung enthält keine Daten.</translation>
    </message>
    <message>
        <source>Die Aufzeichnung der älteren Form ist mit %1 Bytes kürzer als ihr Kopf (%2 Bytes): sie ist abgeschnitten.</source>
        <translation>Die Aufzeichnung der älteren Form ist mit %1 Bytes kürzer als ihr Kopf (%2 Bytes): sie ist abgeschnitten.</translation>
    </message>
    <message>
        <source>Die Betriebsart der Zeile (BETRIEBSART %1) ist nicht die des Programmkopfs (%2).</source>
        <translation>Die Betriebsart der Zeile (BETRIEBSART %1) ist nicht die des Programmkopfs (%2).</translation>
    </message>
    <message>
        <source>Die Messwerte enden mitten in einem Messwert (%1 Bytes sind kein Vielfaches von %2): die Aufzeichnung ist abgeschnitten oder unvollständig.</source>
        <translation>Die Messwerte enden mitten in einem Messwert (%1 Bytes sind kein Vielfaches von %2): die Aufzeichnung ist abgeschnitten oder unvollständig.</translation>
    </message>
    <message>
        <source>Der Statistikblock am Ende nennt %1 Messwerte, die Aufzeichnung enthält %2: sie ist abgeschnitten oder beschädigt.</source>
        <translation>Der Statistikblock am Ende nennt %1 Messwerte, die Aufzeichnung enthält %2: sie ist abgeschnitten oder beschädigt.</translation>
    </message>
</context>
<context>
    <name>Auslesen</name>
    <message>
        <source>Lade Patientendaten ...</source>
        <translation>Lade Patientendaten ...</translation>
    </message>
    <message>
        <source>Lade Kopfdaten ...</source>
        <translation>Lade Kopfdaten ...</translation>
    </message>
    <message>
        <source>Lade Kopfdaten (Therapeut %1, Patient %2) ...</source>
        <translation>Lade Kopfdaten (Therapeut %1, Patient %2) ...</translation>
    </message>
    <message>
        <source>Es sind keine Übungen gespeichert</source>
        <translation>Es sind keine Übungen gespeichert</translation>
    </message>
    <message>
        <source>Lösche Übungen (Therapeut %1, Patient %2)</source>
        <translation>Lösche Übungen (Therapeut %1, Patient %2)</translation>
    </message>
    <message>
        <source>Übertrage Übungen %1 von %2 ...</source>
        <translation>Übertrage Übungen %1 von %2 ...</translation>
    </message>
    <message>
        <source>kein Patient zugewiesen</source>
        <translation>kein Patient zugewiesen</translation>
    </message>
    <message>
        <source>Datum oder Uhrzeit am Gerät ungültig</source>
        <translation>Datum oder Uhrzeit am Gerät ungültig</translation>
    </message>
    <message>
        <source>in der Datenbank nicht gleich gespeichert</source>
        <translation>in der Datenbank nicht gleich gespeichert</translation>
    </message>
    <message>
        <source>Übertragung abgebrochen.</source>
        <translation>Übertragung abgebrochen.</translation>
    </message>
    <message>
        <source>Lösche...</source>
        <translation>Lösche...</translation>
    </message>
    <message>
        <source>Unerwarteter Fehler: %1</source>
        <translation>Unerwarteter Fehler: %1</translation>
    </message>
    <message>
        <source>Unerwarteter Fehler.</source>
        <translation>Unerwarteter Fehler.</translation>
    </message>
    <message>
        <source>gespeichert: %1</source>
        <translation>gespeichert: %1</translation>
    </message>
    <message>
        <source>bereits gespeichert, übersprungen: %1</source>
        <translation>bereits gespeichert, übersprungen: %1</translation>
    </message>
    <message>
        <source>bereits bei %1 gespeichert, übersprungen: %2</source>
        <translation>bereits bei %1 gespeichert, übersprungen: %2</translation>
    </message>
    <message>
        <source>nicht übernommen: %1</source>
        <translation>nicht übernommen: %1</translation>
    </message>
    <message>
        <source>am Gerät gelöscht: %1</source>
        <translation>am Gerät gelöscht: %1</translation>
    </message>
    <message>
        <source>am Gerät behalten, da abweichend gespeichert: %1</source>
        <translation>am Gerät behalten, da abweichend gespeichert: %1</translation>
    </message>
    <message>
        <source>Therapeut %1, Patient %2</source>
        <translation>Therapeut %1, Patient %2</translation>
    </message>
    <message>
        <source>als neuer Patient angelegt</source>
        <translation>als neuer Patient angelegt</translation>
    </message>
    <message>
        <source>Geburtsdatum am Gerät ungültig (%1): ohne Geburtsdatum gespeichert</source>
        <translation>Geburtsdatum am Gerät ungültig (%1): ohne Geburtsdatum gespeichert</translation>
    </message>
    <message>
        <source>Es wurde keine Übung übertragen.</source>
        <translation>Es wurde keine Übung übertragen.</translation>
    </message>
    <message>
        <source>Nicht übernommen:</source>
        <translation>Nicht übernommen:</translation>
    </message>
    <message>
        <source>Therapeut %1, Patient %2, %3: %4</source>
        <translation>Therapeut %1, Patient %2, %3: %4</translation>
    </message>
</context>
<context>
    <name>Austausch</name>
    <message>
        <source>Der Vorgang wurde abgebrochen.</source>
        <translation>Der Vorgang wurde abgebrochen.</translation>
    </message>
    <message>
        <source>Die Archivdatei kann nicht gelesen werden: %1</source>
        <translation>Die Archivdatei kann nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>Die Datei ist kein gültiges Archiv: %1</source>
        <translation>Die Datei ist kein gültiges Archiv: %1</translation>
    </message>
    <message>
        <source>Die zu packende Datei fehlt: %1</source>
        <translation>Die zu packende Datei fehlt: %1</translation>
    </message>
    <message>
        <source>Die Datei ist für ein Archiv zu groß: %1</source>
        <translation>Die Datei ist für ein Archiv zu groß: %1</translation>
    </message>
    <message>
        <source>Das Archiv kann nicht geschrieben werden: %1</source>
        <translation>Das Archiv kann nicht geschrieben werden: %1</translation>
    </message>
    <message>
        <source>Das Archiv kann nicht angelegt werden: %1</source>
        <translation>Das Archiv kann nicht angelegt werden: %1</translation>
    </message>
    <message>
        <source>Das Archiv enthält die Datei „%1“ nicht: %2</source>
        <translation>Das Archiv enthält die Datei „%1“ nicht: %2</translation>
    </message>
    <message>
        <source>Das Archiv ist beschädigt oder unvollständig: %1</source>
        <translation>Das Archiv ist beschädigt oder unvollständig: %1</translation>
    </message>
    <message>
        <source>%1 von %2 Bytes entpackt</source>
        <translation>%1 von %2 Bytes entpackt</translation>
    </message>
    <message>
        <source>Das Sicherungsprogramm der Datenbank wurde nicht gefunden: %1</source>
        <translation>Das Sicherungsprogramm der Datenbank wurde nicht gefunden: %1</translation>
    </message>
    <message>
        <source>Im Arbeitsordner kann keine Datei angelegt werden: %1</source>
        <translation>Im Arbeitsordner kann keine Datei angelegt werden: %1</translation>
    </message>
    <message>
        <source>gbak endete mit dem Status %1</source>
        <translation>gbak endete mit dem Status %1</translation>
    </message>
    <message>
        <source>gbak wurde abgebrochen</source>
        <translation>gbak wurde abgebrochen</translation>
    </message>
    <message>
        <source>Die Datensicherung der Datenbank ist fehlgeschlagen.</source>
        <translation>Die Datensicherung der Datenbank ist fehlgeschlagen.</translation>
    </message>
    <message>
        <source>Die Sicherungsdatei fehlt oder ist leer.</source>
        <translation>Die Sicherungsdatei fehlt oder ist leer.</translation>
    </message>
    <message>
        <source>Die Wiederherstellung der Datenbank ist fehlgeschlagen.</source>
        <translation>Die Wiederherstellung der Datenbank ist fehlgeschlagen.</translation>
    </message>
    <message>
        <source>Die Zieldatenbank enthält die Tabellen dieses Programms nicht.</source>
        <translation>Die Zieldatenbank enthält die Tabellen dieses Programms nicht.</translation>
    </message>
    <message>
        <source>Der Patient %1 ist im Archiv nicht enthalten.</source>
        <translation>Der Patient %1 ist im Archiv nicht enthalten.</translation>
    </message>
    <message>
        <source>Der Patient „%1“ konnte nicht übernommen werden; die %2 Patienten davor wurden übernommen.
%3</source>
        <translation>Der Patient „%1“ konnte nicht übernommen werden; die %2 Patienten davor wurden übernommen.
%3</translation>
    </message>
    <message>
        <source>Es ist kein Patient ausgewählt.</source>
        <translation>Es ist kein Patient ausgewählt.</translation>
    </message>
    <message>
        <source>Exportieren</source>
        <translation>Exportieren</translation>
    </message>
    <message>
        <source>Den Patienten %1 gibt es in der Datenbank nicht (mehr).</source>
        <translation>Den Patienten %1 gibt es in der Datenbank nicht (mehr).</translation>
    </message>
    <message>
        <source>Datenbank Packen</source>
        <translation>Datenbank Packen</translation>
    </message>
    <message>
        <source>Die Datei gibt es nicht: %1</source>
        <translation>Die Datei gibt es nicht: %1</translation>
    </message>
    <message>
        <source>Die Datei ist kein Archiv von ZUD-Software: %1</source>
        <translation>Die Datei ist kein Archiv von ZUD-Software: %1</translation>
    </message>
    <message>
        <source>Datenbank Entpacken</source>
        <translation>Datenbank Entpacken</translation>
    </message>
    <message>
        <source>Das Archiv enthält keine Patientendaten von ZUD-Software: %1
%2</source>
        <translation>Das Archiv enthält keine Patientendaten von ZUD-Software: %1
%2</translation>
    </message>
    <message>
        <source>Importieren</source>
        <translation>Importieren</translation>
    </message>
    <message>
        <source>Datenbank sichern</source>
        <translation>Datenbank sichern</translation>
    </message>
    <message>
        <source>Die Datenbank kann nur auf dem Rechner des Datenbankservers wiederhergestellt werden.</source>
        <translation>Die Datenbank kann nur auf dem Rechner des Datenbankservers wiederhergestellt werden.</translation>
    </message>
    <message>
        <source>Die Datei ist keine Datensicherung von ZUD-Software: %1</source>
        <translation>Die Datei ist keine Datensicherung von ZUD-Software: %1</translation>
    </message>
    <message>
        <source>Datenbank wiederherstellen</source>
        <translation>Datenbank wiederherstellen</translation>
    </message>
    <message>
        <source>Die Datei enthält keine Datensicherung der Datenbank von ZUD-Software: %1</source>
        <translation>Die Datei enthält keine Datensicherung der Datenbank von ZUD-Software: %1</translation>
    </message>
    <message>
        <source>Die Datenbank ist noch %1-mal geöffnet (an anderen Arbeitsplätzen oder in diesem Programm). Beenden Sie dort ZUD-Software und versuchen Sie es erneut.</source>
        <translation>Die Datenbank ist noch %1-mal geöffnet (an anderen Arbeitsplätzen oder in diesem Programm). Beenden Sie dort ZUD-Software und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>Die Daten der Vorgängerversion werden nur in eine Datenbank ohne Patienten übernommen.</source>
        <translation>Die Daten der Vorgängerversion werden nur in eine Datenbank ohne Patienten übernommen.</translation>
    </message>
    <message>
        <source>Konvertiere alte Datei-Struktur</source>
        <translation>Konvertiere alte Datei-Struktur</translation>
    </message>
    <message>
        <source>Erzeuge neue Datei-Struktur</source>
        <translation>Erzeuge neue Datei-Struktur</translation>
    </message>
    <message>
        <source>Importieren...</source>
        <translation>Importieren...</translation>
    </message>
    <message>
        <source>Es ist kein Archiv geöffnet.</source>
        <translation>Es ist kein Archiv geöffnet.</translation>
    </message>
    <message>
        <source>Die Datenbank ist noch geöffnet (an anderen Arbeitsplätzen oder in diesem Programm). Beenden Sie dort ZUD-Software und versuchen Sie es erneut.</source>
        <translation>Die Datenbank ist noch geöffnet (an anderen Arbeitsplätzen oder in diesem Programm). Beenden Sie dort ZUD-Software und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>Die Datenbank konnte nicht durch die wiederhergestellte ersetzt werden: %1 (%2). Die Datenbank ist unverändert. Stellen Sie die Sicherung als Benutzer wieder her, der in diesem Ordner Dateien ändern darf (zum Beispiel mit zudctl restore).</source>
        <translation>Die Datenbank konnte nicht durch die wiederhergestellte ersetzt werden: %1 (%2). Die Datenbank ist unverändert. Stellen Sie die Sicherung als Benutzer wieder her, der in diesem Ordner Dateien ändern darf (zum Beispiel mit zudctl restore).</translation>
    </message>
    <message>
        <source>Der Arbeitsordner kann nicht angelegt werden: %1</source>
        <translation>Der Arbeitsordner kann nicht angelegt werden: %1</translation>
    </message>
    <message>
        <source>Kein Platz auf %1. Schaffen Sie dort Platz und versuchen Sie es erneut.</source>
        <translation>Kein Platz auf %1. Schaffen Sie dort Platz und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>Im Arbeitsordner kann nicht geschrieben werden: %1</source>
        <translation>Im Arbeitsordner kann nicht geschrieben werden: %1</translation>
    </message>
    <message>
        <source>Im Arbeitsordner kann kein Ordner angelegt werden: %1 (%2)</source>
        <translation>Im Arbeitsordner kann kein Ordner angelegt werden: %1 (%2)</translation>
    </message>
</context>
<context>
    <name>Berichte</name>
    <message>
        <source>Entspannen</source>
        <translation>Entspannen</translation>
    </message>
    <message>
        <source>Anspannen</source>
        <translation>Anspannen</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Strom</source>
        <translation>Strom</translation>
    </message>
    <message>
        <source>Druck</source>
        <translation>Druck</translation>
    </message>
    <message>
        <source>EMG CH1</source>
        <translation>EMG CH1</translation>
    </message>
    <message>
        <source>EMG CH2</source>
        <translation>EMG CH2</translation>
    </message>
    <message>
        <source>Entspannen CH1</source>
        <translation>Entspannen CH1</translation>
    </message>
    <message>
        <source>Anspannen CH1</source>
        <translation>Anspannen CH1</translation>
    </message>
    <message>
        <source>Entspannen CH2</source>
        <translation>Entspannen CH2</translation>
    </message>
    <message>
        <source>Anspannen CH2</source>
        <translation>Anspannen CH2</translation>
    </message>
    <message>
        <source>Haltedauer</source>
        <translation>Haltedauer</translation>
    </message>
    <message>
        <source>Basisdruck</source>
        <translation>Basisdruck</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Vorname</source>
        <translation>Vorname</translation>
    </message>
    <message>
        <source>Geburtstag</source>
        <translation>Geburtstag</translation>
    </message>
    <message>
        <source>Patientennummer</source>
        <translation>Patientennummer</translation>
    </message>
    <message>
        <source>Datum</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Uhrzeit</source>
        <translation>Uhrzeit</translation>
    </message>
    <message>
        <source>Betriebsart</source>
        <translation>Betriebsart</translation>
    </message>
    <message>
        <source>Übungslänge</source>
        <translation>Übungslänge</translation>
    </message>
    <message>
        <source>Patientendaten</source>
        <translation>Patientendaten</translation>
    </message>
    <message>
        <source>Übung</source>
        <translation>Übung</translation>
    </message>
    <message>
        <source>Statistik</source>
        <translation>Statistik</translation>
    </message>
    <message>
        <source>min</source>
        <translation>min</translation>
    </message>
    <message>
        <source>max</source>
        <translation>max</translation>
    </message>
    <message>
        <source>Programmname</source>
        <translation>Programmname</translation>
    </message>
    <message>
        <source>Seite</source>
        <translation>Seite</translation>
    </message>
    <message>
        <source>Druckdatum</source>
        <translation>Druckdatum</translation>
    </message>
    <message>
        <source>Gerät</source>
        <translation>Gerät</translation>
    </message>
    <message>
        <source>Seriennummer</source>
        <translation>Seriennummer</translation>
    </message>
    <message>
        <source>Therapieanfang</source>
        <translation>Therapieanfang</translation>
    </message>
    <message>
        <source>Therapieende</source>
        <translation>Therapieende</translation>
    </message>
    <message>
        <source>Anzahl Behandlungen</source>
        <translation>Anzahl Behandlungen</translation>
    </message>
    <message>
        <source>Ø Behandlungsdauer</source>
        <translation>Ø Behandlungsdauer</translation>
    </message>
    <message>
        <source>Therapietreue</source>
        <translation>Therapietreue</translation>
    </message>
    <message>
        <source>Therapie-Zusammenfassung</source>
        <translation>Therapie-Zusammenfassung</translation>
    </message>
    <message>
        <source>Geburtsdatum</source>
        <translation>Geburtsdatum</translation>
    </message>
    <message>
        <source>Straße</source>
        <translation>Straße</translation>
    </message>
    <message>
        <source>PLZ</source>
        <translation>PLZ</translation>
    </message>
    <message>
        <source>Ort</source>
        <translation>Ort</translation>
    </message>
    <message>
        <source>Krankenkasse</source>
        <translation>Krankenkasse</translation>
    </message>
    <message>
        <source>SV-Nummer</source>
        <translation>SV-Nummer</translation>
    </message>
    <message>
        <source>Therapiedaten</source>
        <translation>Therapiedaten</translation>
    </message>
    <message>
        <source>Die PDF-Datei konnte nicht erzeugt werden: %1</source>
        <translation>Die PDF-Datei konnte nicht erzeugt werden: %1</translation>
    </message>
    <message>
        <source>Verlauf</source>
        <translation>Verlauf</translation>
    </message>
    <message>
        <source>geb.</source>
        <translation>geb.</translation>
    </message>
    <message>
        <source>Zeitraum</source>
        <translation>Zeitraum</translation>
    </message>
    <message>
        <source>keine programmierte Übungsdauer</source>
        <translation>keine programmierte Übungsdauer</translation>
    </message>
</context>
<context>
    <name>Berichtsausgabe</name>
    <message>
        <source>PDF-Dateien (*.pdf)</source>
        <translation>PDF-Dateien (*.pdf)</translation>
    </message>
    <message>
        <source>Der Druck ist fehlgeschlagen. Bitte prüfen Sie den Drucker und versuchen Sie es noch einmal.</source>
        <translation>Der Druck ist fehlgeschlagen. Bitte prüfen Sie den Drucker und versuchen Sie es noch einmal.</translation>
    </message>
</context>
<context>
    <name>Betriebsart</name>
    <message>
        <source>EMG-Biofeedback</source>
        <translation>EMG-Biofeedback</translation>
    </message>
    <message>
        <source>ES-Elektrostimulation</source>
        <translation>ES-Elektrostimulation</translation>
    </message>
    <message>
        <source>Biofeedback+Elektrostim.</source>
        <translation>Biofeedback+Elektrostim.</translation>
    </message>
    <message>
        <source>EMG-gesteuerte Elektrostim.      </source>
        <translation>EMG-gesteuerte Elektrostim.      </translation>
    </message>
    <message>
        <source>Druck</source>
        <translation>Druck</translation>
    </message>
    <message>
        <source>Training Druck</source>
        <translation>Training Druck</translation>
    </message>
    <message>
        <source>1-kanalig EMG + Druck</source>
        <translation>1-kanalig EMG + Druck</translation>
    </message>
    <message>
        <source>2-kanalig EMG + Druck</source>
        <translation>2-kanalig EMG + Druck</translation>
    </message>
    <message>
        <source>Programmfolge</source>
        <translation>Programmfolge</translation>
    </message>
    <message>
        <source>2-kanalig EMG</source>
        <translation>2-kanalig EMG</translation>
    </message>
    <message>
        <source>EMG</source>
        <translation>EMG</translation>
    </message>
    <message>
        <source>ES</source>
        <translation>ES</translation>
    </message>
    <message>
        <source>EMG+ES</source>
        <translation>EMG+ES</translation>
    </message>
    <message>
        <source>Trigger</source>
        <translation>Trigger</translation>
    </message>
    <message>
        <source>EMG(1)+Druck</source>
        <translation>EMG(1)+Druck</translation>
    </message>
    <message>
        <source>EMG(2)+Druck</source>
        <translation>EMG(2)+Druck</translation>
    </message>
    <message>
        <source>EMG 2CH</source>
        <translation>EMG 2CH</translation>
    </message>
</context>
<context>
    <name>CheckedFile</name>
    <message>
        <source>Datei kann nicht geschrieben werden: %1 (%2)</source>
        <translation>Datei kann nicht geschrieben werden: %1 (%2)</translation>
    </message>
    <message>
        <source>kein Platz mehr auf dem Datenträger</source>
        <translation>kein Platz mehr auf dem Datenträger</translation>
    </message>
    <message>
        <source>keine Berechtigung für diesen Ordner</source>
        <translation>keine Berechtigung für diesen Ordner</translation>
    </message>
    <message>
        <source>ein Ordner dieses Namens ist im Weg</source>
        <translation>ein Ordner dieses Namens ist im Weg</translation>
    </message>
    <message>
        <source>der Ordner existiert nicht</source>
        <translation>der Ordner existiert nicht</translation>
    </message>
    <message>
        <source>ein Teil des Pfades ist kein Ordner</source>
        <translation>ein Teil des Pfades ist kein Ordner</translation>
    </message>
    <message>
        <source>der Datenträger ist schreibgeschützt</source>
        <translation>der Datenträger ist schreibgeschützt</translation>
    </message>
    <message>
        <source>der Name ist zu lang</source>
        <translation>der Name ist zu lang</translation>
    </message>
    <message>
        <source>Ein-/Ausgabefehler des Datenträgers</source>
        <translation>Ein-/Ausgabefehler des Datenträgers</translation>
    </message>
</context>
<context>
    <name>Datenbank</name>
    <message>
        <source>Der Datenbankserver ist nicht erreichbar. Prüfen Sie, ob der Server läuft und ob Servername und Port (SQLServer3, RemoteServicePort3) stimmen.</source>
        <translation>Der Datenbankserver ist nicht erreichbar. Prüfen Sie, ob der Server läuft und ob Servername und Port (SQLServer3, RemoteServicePort3) stimmen.</translation>
    </message>
    <message>
        <source>Benutzername oder Passwort ist falsch.</source>
        <translation>Benutzername oder Passwort ist falsch.</translation>
    </message>
    <message>
        <source>Diesem Benutzer fehlt die Berechtigung für diesen Vorgang.</source>
        <translation>Diesem Benutzer fehlt die Berechtigung für diesen Vorgang.</translation>
    </message>
    <message>
        <source>Die Datei ist keine Datenbank dieses Programms oder sie ist beschädigt. Stellen Sie die letzte Datensicherung wieder her.</source>
        <translation>Die Datei ist keine Datenbank dieses Programms oder sie ist beschädigt. Stellen Sie die letzte Datensicherung wieder her.</translation>
    </message>
    <message>
        <source>Keine Berechtigung für den Sperr-Ordner der Datenbank (FIREBIRD_LOCK). Der Benutzer braucht dort Schreibrecht.</source>
        <translation>Keine Berechtigung für den Sperr-Ordner der Datenbank (FIREBIRD_LOCK). Der Benutzer braucht dort Schreibrecht.</translation>
    </message>
    <message>
        <source>Auf dem Datenträger der Datenbank ist kein Platz mehr. Schaffen Sie Platz und versuchen Sie es erneut.</source>
        <translation>Auf dem Datenträger der Datenbank ist kein Platz mehr. Schaffen Sie Platz und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>Keine Berechtigung für die Datenbankdatei oder ihren Ordner. Der Benutzer braucht Lese- und Schreibrecht auf beide.</source>
        <translation>Keine Berechtigung für die Datenbankdatei oder ihren Ordner. Der Benutzer braucht Lese- und Schreibrecht auf beide.</translation>
    </message>
    <message>
        <source>Die Datenbank wurde nicht gefunden. Prüfen Sie den Datenbankordner (Einstellung SQLDir3).</source>
        <translation>Die Datenbank wurde nicht gefunden. Prüfen Sie den Datenbankordner (Einstellung SQLDir3).</translation>
    </message>
    <message>
        <source>Die Datenbankdatei wird gerade von einem anderen Programm benutzt. Beenden Sie das andere Programm oder verwenden Sie einen Datenbankserver für mehrere Arbeitsplätze.</source>
        <translation>Die Datenbankdatei wird gerade von einem anderen Programm benutzt. Beenden Sie das andere Programm oder verwenden Sie einen Datenbankserver für mehrere Arbeitsplätze.</translation>
    </message>
    <message>
        <source>Ein Text ist länger, als sein Feld in der Datenbank erlaubt.</source>
        <translation>Ein Text ist länger, als sein Feld in der Datenbank erlaubt.</translation>
    </message>
    <message>
        <source>Dem Benutzer fehlt die Rolle „Benutzer“ in der Datenbank.</source>
        <translation>Dem Benutzer fehlt die Rolle „Benutzer“ in der Datenbank.</translation>
    </message>
    <message>
        <source>Keine Verbindung zur Datenbank.</source>
        <translation>Keine Verbindung zur Datenbank.</translation>
    </message>
    <message>
        <source>Fehler der Datenbank.</source>
        <translation>Fehler der Datenbank.</translation>
    </message>
    <message>
        <source>Fehler beim Öffnen der Datenbank. (%1)</source>
        <translation>Fehler beim Öffnen der Datenbank. (%1)</translation>
    </message>
    <message>
        <source>Ungültiger Benutzername: nur Buchstaben, Ziffern und _ (höchstens 31 Zeichen, zuerst ein Buchstabe).</source>
        <translation>Ungültiger Benutzername: nur Buchstaben, Ziffern und _ (höchstens 31 Zeichen, zuerst ein Buchstabe).</translation>
    </message>
    <message>
        <source>Die Benutzerverwaltung braucht einen Datenbankserver (Einstellung SQLServer3); das eingebettete Datenbanksystem prüft keine Passwörter.</source>
        <translation>Die Benutzerverwaltung braucht einen Datenbankserver (Einstellung SQLServer3); das eingebettete Datenbanksystem prüft keine Passwörter.</translation>
    </message>
    <message>
        <source>Das Passwort darf nicht leer sein.</source>
        <translation>Das Passwort darf nicht leer sein.</translation>
    </message>
    <message>
        <source>Fehler: Die fettgedruckten Felder sind Pflichtfelder!</source>
        <translation>Fehler: Die fettgedruckten Felder sind Pflichtfelder!</translation>
    </message>
    <message>
        <source>Fehler: Das Geburtsdatum muss zwischen dem 01.01.1900 und heute liegen!</source>
        <translation>Fehler: Das Geburtsdatum muss zwischen dem 01.01.1900 und heute liegen!</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Vorname</source>
        <translation>Vorname</translation>
    </message>
    <message>
        <source>Patienten-ID</source>
        <translation>Patienten-ID</translation>
    </message>
    <message>
        <source>Krankenkasse</source>
        <translation>Krankenkasse</translation>
    </message>
    <message>
        <source>Versicherten-Nr.</source>
        <translation>Versicherten-Nr.</translation>
    </message>
    <message>
        <source>Wohnort</source>
        <translation>Wohnort</translation>
    </message>
    <message>
        <source>Straße</source>
        <translation>Straße</translation>
    </message>
    <message>
        <source>PLZ</source>
        <translation>PLZ</translation>
    </message>
    <message>
        <source>Telefon</source>
        <translation>Telefon</translation>
    </message>
    <message>
        <source>Fax</source>
        <translation>Fax</translation>
    </message>
    <message>
        <source>E-Mail</source>
        <translation>E-Mail</translation>
    </message>
    <message>
        <source>Größe</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>Gewicht</source>
        <translation>Gewicht</translation>
    </message>
    <message>
        <source>Fehler: Der Text im Feld „%1“ ist länger als %2 Zeichen.</source>
        <translation>Fehler: Der Text im Feld „%1“ ist länger als %2 Zeichen.</translation>
    </message>
    <message>
        <source>Fehler: Patient bereits vorhanden!</source>
        <translation>Fehler: Patient bereits vorhanden!</translation>
    </message>
    <message>
        <source>Die Aufzeichnung ist unvollständig (kein Programmkopf).</source>
        <translation>Die Aufzeichnung ist unvollständig (kein Programmkopf).</translation>
    </message>
    <message>
        <source>Der Datensatz wird gerade an einem anderen Arbeitsplatz bearbeitet oder wurde dort soeben geändert. Ihre Änderung wurde nicht gespeichert. Bitte laden Sie die Liste neu und versuchen Sie es noch einmal.</source>
        <translation>Der Datensatz wird gerade an einem anderen Arbeitsplatz bearbeitet oder wurde dort soeben geändert. Ihre Änderung wurde nicht gespeichert. Bitte laden Sie die Liste neu und versuchen Sie es noch einmal.</translation>
    </message>
    <message>
        <source>Ein Text enthält ein Zeichen, das der Zeichensatz dieser Datenbank nicht speichern kann. Ersetzen Sie das Zeichen und versuchen Sie es noch einmal.</source>
        <translation>Ein Text enthält ein Zeichen, das der Zeichensatz dieser Datenbank nicht speichern kann. Ersetzen Sie das Zeichen und versuchen Sie es noch einmal.</translation>
    </message>
    <message>
        <source>Der Zeichensatz der Datenbank oder der Einstellung SQLCodePage3 wird nicht unterstützt.</source>
        <translation>Der Zeichensatz der Datenbank oder der Einstellung SQLCodePage3 wird nicht unterstützt.</translation>
    </message>
    <message>
        <source>Der Patient wurde inzwischen an einem anderen Arbeitsplatz gelöscht. Bitte laden Sie die Liste neu.</source>
        <translation>Der Patient wurde inzwischen an einem anderen Arbeitsplatz gelöscht. Bitte laden Sie die Liste neu.</translation>
    </message>
    <message>
        <source>Patient %1 gelöscht, mit seinen Übungen (%2).</source>
        <translation>Patient %1 gelöscht, mit seinen Übungen (%2).</translation>
    </message>
    <message>
        <source>Patient %1 gelöscht; er hatte keine Übungen.</source>
        <translation>Patient %1 gelöscht; er hatte keine Übungen.</translation>
    </message>
    <message>
        <source>Patient %1 gelöscht; seine Übungen bleiben ohne Patient in der Datenbank (%2): %3</source>
        <translation>Patient %1 gelöscht; seine Übungen bleiben ohne Patient in der Datenbank (%2): %3</translation>
    </message>
    <message>
        <source>Datei kann nicht kopiert werden: %1</source>
        <translation>Datei kann nicht kopiert werden: %1</translation>
    </message>
    <message>
        <source>Datei kann nicht geschrieben werden: %1</source>
        <translation>Datei kann nicht geschrieben werden: %1</translation>
    </message>
    <message>
        <source>Die Verbindung zum Datenbankserver wäre nicht verschlüsselt. Patientendaten gehen nur verschlüsselt über das Netz: Stellen Sie auf dem Server WireCrypt = Required ein (zudctl server-setup --system).</source>
        <translation>Die Verbindung zum Datenbankserver wäre nicht verschlüsselt. Patientendaten gehen nur verschlüsselt über das Netz: Stellen Sie auf dem Server WireCrypt = Required ein (zudctl server-setup --system).</translation>
    </message>
    <message>
        <source>Der Datenbankserver „%1“ (Port %2) ist nicht erreichbar. Prüfen Sie, ob der Server läuft, ob dieser Arbeitsplatz ihn im Netz erreicht und ob Servername und Port (SQLServer3, RemoteServicePort3) stimmen.
(%3)</source>
        <translation>Der Datenbankserver „%1“ (Port %2) ist nicht erreichbar. Prüfen Sie, ob der Server läuft, ob dieser Arbeitsplatz ihn im Netz erreicht und ob Servername und Port (SQLServer3, RemoteServicePort3) stimmen.
(%3)</translation>
    </message>
    <message>
        <source>Die Übung ist nicht mehr vorhanden; sie wurde inzwischen gelöscht (auch an einem anderen Arbeitsplatz oder mit ihrem Patienten). Es wurde nichts geändert.</source>
        <translation>Die Übung ist nicht mehr vorhanden; sie wurde inzwischen gelöscht (auch an einem anderen Arbeitsplatz oder mit ihrem Patienten). Es wurde nichts geändert.</translation>
    </message>
    <message>
        <source>Der Tabelle %1 fehlt ihr Primärschlüssel auf %2: ein Schlüssel kann doppelt vorkommen.</source>
        <translation>Der Tabelle %1 fehlt ihr Primärschlüssel auf %2: ein Schlüssel kann doppelt vorkommen.</translation>
    </message>
    <message>
        <source>Der Schlüssel %1 = %2 kommt in der Tabelle %3 %4-mal vor.</source>
        <translation>Der Schlüssel %1 = %2 kommt in der Tabelle %3 %4-mal vor.</translation>
    </message>
    <message>
        <source>Der Generator %1 fehlt: neue Zeilen der Tabelle %2 bekommen keinen Schlüssel.</source>
        <translation>Der Generator %1 fehlt: neue Zeilen der Tabelle %2 bekommen keinen Schlüssel.</translation>
    </message>
    <message>
        <source>Der Generator %1 steht auf %2, der größte Schlüssel %3 in %4 ist aber %5: neue Zeilen bekämen Schlüssel, die es schon gibt.</source>
        <translation>Der Generator %1 steht auf %2, der größte Schlüssel %3 in %4 ist aber %5: neue Zeilen bekämen Schlüssel, die es schon gibt.</translation>
    </message>
    <message>
        <source>Datenbank geprüft (Übungen: %1, Patienten: %2, Geräte: %3).</source>
        <translation>Datenbank geprüft (Übungen: %1, Patienten: %2, Geräte: %3).</translation>
    </message>
    <message>
        <source>Keine Probleme gefunden.</source>
        <translation>Keine Probleme gefunden.</translation>
    </message>
    <message>
        <source>Probleme: %1.</source>
        <translation>Probleme: %1.</translation>
    </message>
    <message>
        <source>Hinweis von Firebird (kein Schaden: nach einem unerwarteten Ende eines Programms bleiben Seiten belegt, die nichts enthalten; eine Datensicherung mit Wiederherstellung gibt sie frei): %1.</source>
        <translation>Hinweis von Firebird (kein Schaden: nach einem unerwarteten Ende eines Programms bleiben Seiten belegt, die nichts enthalten; eine Datensicherung mit Wiederherstellung gibt sie frei): %1.</translation>
    </message>
    <message>
        <source>Andere Arbeitsplätze waren angemeldet: Firebird hat Tabellen und Indizes geprüft, aber nicht die Verwaltungsseiten der Datei. Die vollständige Prüfung läuft, wenn niemand angemeldet ist.</source>
        <translation>Andere Arbeitsplätze waren angemeldet: Firebird hat Tabellen und Indizes geprüft, aber nicht die Verwaltungsseiten der Datei. Die vollständige Prüfung läuft, wenn niemand angemeldet ist.</translation>
    </message>
    <message>
        <source>Die Prüfung der Datenbank wurde abgebrochen.</source>
        <translation>Die Prüfung der Datenbank wurde abgebrochen.</translation>
    </message>
    <message>
        <source>Firebird konnte die Tabelle %1 nicht prüfen: ein angemeldeter Arbeitsplatz hat sie in einer noch offenen Transaktion geändert. Prüfen Sie noch einmal, wenn alle Arbeitsplätze abgemeldet sind.</source>
        <translation>Firebird konnte die Tabelle %1 nicht prüfen: ein angemeldeter Arbeitsplatz hat sie in einer noch offenen Transaktion geändert. Prüfen Sie noch einmal, wenn alle Arbeitsplätze abgemeldet sind.</translation>
    </message>
    <message>
        <source>Firebird meldet einen Fehler in der Datenbankdatei: %1</source>
        <translation>Firebird meldet einen Fehler in der Datenbankdatei: %1</translation>
    </message>
    <message>
        <source>Die Gerätenummer %1 (GERAETEID) ist in QALGERAETE %2-mal vergeben: ihre Übungen gehören zu keinem eindeutigen Gerät.</source>
        <translation>Die Gerätenummer %1 (GERAETEID) ist in QALGERAETE %2-mal vergeben: ihre Übungen gehören zu keinem eindeutigen Gerät.</translation>
    </message>
    <message>
        <source>Übung %1: %2</source>
        <translation>Übung %1: %2</translation>
    </message>
    <message>
        <source>Die Daten können nicht gelesen werden (%1).</source>
        <translation>Die Daten können nicht gelesen werden (%1).</translation>
    </message>
    <message>
        <source>Die Übung gehört zu keinem Patienten (PATIENT ist leer).</source>
        <translation>Die Übung gehört zu keinem Patienten (PATIENT ist leer).</translation>
    </message>
    <message>
        <source>Der Patient %1 fehlt in der Patiententabelle: die Übung erscheint bei keinem Patienten. Ordnen Sie sie einem Patienten zu (zudctl db move %2 PATIENT).</source>
        <translation>Der Patient %1 fehlt in der Patiententabelle: die Übung erscheint bei keinem Patienten. Ordnen Sie sie einem Patienten zu (zudctl db move %2 PATIENT).</translation>
    </message>
    <message>
        <source>Das Gerät %1 (TYP) fehlt in der Gerätetabelle QALGERAETE.</source>
        <translation>Das Gerät %1 (TYP) fehlt in der Gerätetabelle QALGERAETE.</translation>
    </message>
    <message>
        <source>Die Übung ist doppelt gespeichert: Patient, Datum, Uhrzeit und Daten gleichen Übung %1.</source>
        <translation>Die Übung ist doppelt gespeichert: Patient, Datum, Uhrzeit und Daten gleichen Übung %1.</translation>
    </message>
    <message>
        <source>Die Tabellen können nicht vollständig gelesen werden: %1</source>
        <translation>Die Tabellen können nicht vollständig gelesen werden: %1</translation>
    </message>
    <message>
        <source>Die Verbindung zum Datenbankserver „%1“ (Port %2) ist abgebrochen; der Vorgang wurde nicht abgeschlossen und nichts davon halb gespeichert. Prüfen Sie, ob der Server läuft. Sobald er wieder erreichbar ist, verbindet sich das Programm bei der nächsten Aktion neu; wiederholen Sie dann den Vorgang.</source>
        <translation>Die Verbindung zum Datenbankserver „%1“ (Port %2) ist abgebrochen; der Vorgang wurde nicht abgeschlossen und nichts davon halb gespeichert. Prüfen Sie, ob der Server läuft. Sobald er wieder erreichbar ist, verbindet sich das Programm bei der nächsten Aktion neu; wiederholen Sie dann den Vorgang.</translation>
    </message>
    <message>
        <source>Der Datenbankserver „%1“ (Port %2) ist nicht erreichbar. Prüfen Sie, ob der Server läuft, ob dieser Arbeitsplatz ihn im Netz erreicht und ob Servername und Port (SQLServer3, RemoteServicePort3) stimmen.</source>
        <translation>Der Datenbankserver „%1“ (Port %2) ist nicht erreichbar. Prüfen Sie, ob der Server läuft, ob dieser Arbeitsplatz ihn im Netz erreicht und ob Servername und Port (SQLServer3, RemoteServicePort3) stimmen.</translation>
    </message>
    <message>
        <source>Kein Platz auf %1: Der Datenträger der Datenbank ist voll. Schaffen Sie dort Platz und versuchen Sie es erneut.</source>
        <translation>Kein Platz auf %1: Der Datenträger der Datenbank ist voll. Schaffen Sie dort Platz und versuchen Sie es erneut.</translation>
    </message>
</context>
<context>
    <name>DrawChart</name>
    <message>
        <source>Druck</source>
        <translation>Druck</translation>
    </message>
</context>
<context>
    <name>EdfExport</name>
    <message>
        <source>Entspannen</source>
        <translation>Entspannen</translation>
    </message>
    <message>
        <source>Anspannen</source>
        <translation>Anspannen</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Strom</source>
        <translation>Strom</translation>
    </message>
    <message>
        <source>Phase %1</source>
        <translation>Phase %1</translation>
    </message>
    <message>
        <source>Die Übung enthält keine Messwerte, die als EDF+ exportiert werden können.</source>
        <translation>Die Übung enthält keine Messwerte, die als EDF+ exportiert werden können.</translation>
    </message>
    <message>
        <source>Datei kann nicht geschrieben werden: %1</source>
        <translation>Datei kann nicht geschrieben werden: %1</translation>
    </message>
    <message>
        <source>Die EDF+-Datei %1 konnte nicht geschrieben werden.</source>
        <translation>Die EDF+-Datei %1 konnte nicht geschrieben werden.</translation>
    </message>
</context>
<context>
    <name>Gdt</name>
    <message>
        <source>Zeile %1: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
    <message>
        <source>Die GDT-Datei ist leer.</source>
        <translation>Die GDT-Datei ist leer.</translation>
    </message>
    <message>
        <source>Die GDT-Datei ist zu groß für einen Satz.</source>
        <translation>Die GDT-Datei ist zu groß für einen Satz.</translation>
    </message>
    <message>
        <source>Die Zeile endet nicht mit CR LF (Datei unvollständig?).</source>
        <translation>Die Zeile endet nicht mit CR LF (Datei unvollständig?).</translation>
    </message>
    <message>
        <source>Die Zeile hat nicht die Form Länge, Feldkennung, Inhalt.</source>
        <translation>Die Zeile hat nicht die Form Länge, Feldkennung, Inhalt.</translation>
    </message>
    <message>
        <source>Die Zeilenlänge %1 stimmt nicht (tatsächlich %2 Zeichen).</source>
        <translation>Die Zeilenlänge %1 stimmt nicht (tatsächlich %2 Zeichen).</translation>
    </message>
    <message>
        <source>Die Zeile enthält ein CR.</source>
        <translation>Die Zeile enthält ein CR.</translation>
    </message>
    <message>
        <source>Der Satz beginnt nicht mit der Satzart (Feld 8000).</source>
        <translation>Der Satz beginnt nicht mit der Satzart (Feld 8000).</translation>
    </message>
    <message>
        <source>Die Satzart ist keine vierstellige Zahl.</source>
        <translation>Die Satzart ist keine vierstellige Zahl.</translation>
    </message>
    <message>
        <source>Die Datei enthält mehr als einen Satz.</source>
        <translation>Die Datei enthält mehr als einen Satz.</translation>
    </message>
    <message>
        <source>Die Satzlänge (Feld 8100) fehlt.</source>
        <translation>Die Satzlänge (Feld 8100) fehlt.</translation>
    </message>
    <message>
        <source>Die Satzlänge %1 stimmt nicht mit der Dateigröße %2 überein.</source>
        <translation>Die Satzlänge %1 stimmt nicht mit der Dateigröße %2 überein.</translation>
    </message>
    <message>
        <source>Unbekannter Zeichensatz „%1“.</source>
        <translation>Unbekannter Zeichensatz „%1“.</translation>
    </message>
    <message>
        <source>Die GDT-Version (Feld 9218) fehlt.</source>
        <translation>Die GDT-Version (Feld 9218) fehlt.</translation>
    </message>
    <message>
        <source>Die GDT-Version „%1“ wird nicht unterstützt (2.x oder 3.x).</source>
        <translation>Die GDT-Version „%1“ wird nicht unterstützt (2.x oder 3.x).</translation>
    </message>
    <message>
        <source>Die Datei ist an „%1“ gerichtet, nicht an „%2“.</source>
        <translation>Die Datei ist an „%1“ gerichtet, nicht an „%2“.</translation>
    </message>
    <message>
        <source>Das Zeichen „%1“ in Feld %2 („%3“) kann im gewählten GDT-Zeichensatz nicht übertragen werden. Bitte wählen Sie in den Einstellungen einen anderen Zeichensatz oder ändern Sie den Text.</source>
        <translation>Das Zeichen „%1“ in Feld %2 („%3“) kann im gewählten GDT-Zeichensatz nicht übertragen werden. Bitte wählen Sie in den Einstellungen einen anderen Zeichensatz oder ändern Sie den Text.</translation>
    </message>
    <message>
        <source>Der Inhalt von Feld %1 ist zu lang für eine GDT-Zeile.</source>
        <translation>Der Inhalt von Feld %1 ist zu lang für eine GDT-Zeile.</translation>
    </message>
    <message>
        <source>Der GDT-Satz ist länger als 99999 Zeichen.</source>
        <translation>Der GDT-Satz ist länger als 99999 Zeichen.</translation>
    </message>
    <message>
        <source>Die Satzart %1 wird nicht angenommen (6301, 6302 oder 6311).</source>
        <translation>Die Satzart %1 wird nicht angenommen (6301, 6302 oder 6311).</translation>
    </message>
    <message>
        <source>Der Dateiverweis „%1“ zeigt aus dem GDT-Austauschordner hinaus.</source>
        <translation>Der Dateiverweis „%1“ zeigt aus dem GDT-Austauschordner hinaus.</translation>
    </message>
    <message>
        <source>Das Geburtsdatum „%1“ ist kein Datum (TTMMJJJJ).</source>
        <translation>Das Geburtsdatum „%1“ ist kein Datum (TTMMJJJJ).</translation>
    </message>
    <message>
        <source>Die Anfrage nennt weder eine Patientennummer (3000) noch Name und Vorname.</source>
        <translation>Die Anfrage nennt weder eine Patientennummer (3000) noch Name und Vorname.</translation>
    </message>
    <message>
        <source>Das Datum der Untersuchung (Feld 6200) fehlt oder ist ungültig.</source>
        <translation>Das Datum der Untersuchung (Feld 6200) fehlt oder ist ungültig.</translation>
    </message>
    <message>
        <source>Die Uhrzeit der Untersuchung (Feld 6201) fehlt oder ist ungültig.</source>
        <translation>Die Uhrzeit der Untersuchung (Feld 6201) fehlt oder ist ungültig.</translation>
    </message>
    <message>
        <source>Die GDT-Datei %1 wurde abgelehnt: %2 Sie konnte nicht in den Ordner „fehler“ verschoben werden; bitte entfernen Sie sie von Hand.</source>
        <translation>Die GDT-Datei %1 wurde abgelehnt: %2 Sie konnte nicht in den Ordner „fehler“ verschoben werden; bitte entfernen Sie sie von Hand.</translation>
    </message>
    <message>
        <source>Die GDT-Datei %1 wurde abgelehnt und in den Ordner „fehler“ verschoben: %2</source>
        <translation>Die GDT-Datei %1 wurde abgelehnt und in den Ordner „fehler“ verschoben: %2</translation>
    </message>
    <message>
        <source>Die GDT-Datei %1 kann nicht gelesen werden: %2</source>
        <translation>Die GDT-Datei %1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>Praxissoftware: Die Übung vom %1 um %2 von %3 ist nicht gespeichert.</source>
        <translation>Praxissoftware: Die Übung vom %1 um %2 von %3 ist nicht gespeichert.</translation>
    </message>
    <message>
        <source>Praxissoftware: Patient %1 wurde angelegt.</source>
        <translation>Praxissoftware: Patient %1 wurde angelegt.</translation>
    </message>
    <message>
        <source>Praxissoftware: Patient %1 ausgewählt.</source>
        <translation>Praxissoftware: Patient %1 ausgewählt.</translation>
    </message>
    <message>
        <source>Betriebsart</source>
        <translation>Betriebsart</translation>
    </message>
    <message>
        <source>Übungslänge</source>
        <translation>Übungslänge</translation>
    </message>
    <message>
        <source>%1 Mittelwert</source>
        <translation>%1 Mittelwert</translation>
    </message>
    <message>
        <source>%1 Minimum</source>
        <translation>%1 Minimum</translation>
    </message>
    <message>
        <source>%1 Maximum</source>
        <translation>%1 Maximum</translation>
    </message>
    <message>
        <source>Haltedauer</source>
        <translation>Haltedauer</translation>
    </message>
    <message>
        <source>Basisdruck</source>
        <translation>Basisdruck</translation>
    </message>
    <message>
        <source>Die Übung gehört zu keinem gespeicherten Patienten.</source>
        <translation>Die Übung gehört zu keinem gespeicherten Patienten.</translation>
    </message>
    <message>
        <source>Bericht der Übung vom %1</source>
        <translation>Bericht der Übung vom %1</translation>
    </message>
    <message>
        <source>Im GDT-Austauschordner liegen 999 unabgeholte Ergebnisdateien. Bitte prüfen Sie, ob die Praxissoftware sie abholt.</source>
        <translation>Im GDT-Austauschordner liegen 999 unabgeholte Ergebnisdateien. Bitte prüfen Sie, ob die Praxissoftware sie abholt.</translation>
    </message>
    <message>
        <source>Bitte geben Sie den GDT-Austauschordner an.</source>
        <translation>Bitte geben Sie den GDT-Austauschordner an.</translation>
    </message>
    <message>
        <source>Der GDT-Austauschordner „%1“ ist nicht vorhanden. Bitte legen Sie ihn an oder wählen Sie einen anderen.</source>
        <translation>Der GDT-Austauschordner „%1“ ist nicht vorhanden. Bitte legen Sie ihn an oder wählen Sie einen anderen.</translation>
    </message>
    <message>
        <source>Die GDT-Kennungen müssen 1 bis 8 Buchstaben oder Ziffern lang sein.</source>
        <translation>Die GDT-Kennungen müssen 1 bis 8 Buchstaben oder Ziffern lang sein.</translation>
    </message>
    <message>
        <source>Die eigene GDT-Kennung und die der Praxissoftware müssen sich unterscheiden.</source>
        <translation>Die eigene GDT-Kennung und die der Praxissoftware müssen sich unterscheiden.</translation>
    </message>
    <message>
        <source>Der Untersuchungscode ist zu lang.</source>
        <translation>Der Untersuchungscode ist zu lang.</translation>
    </message>
    <message>
        <source>Die Praxissoftware hat das vorige Ergebnis (%1) noch nicht abgeholt. Bitte lassen Sie es dort einlesen oder stellen Sie in den GDT-Einstellungen nummerierte Ergebnisdateien ein.</source>
        <translation>Die Praxissoftware hat das vorige Ergebnis (%1) noch nicht abgeholt. Bitte lassen Sie es dort einlesen oder stellen Sie in den GDT-Einstellungen nummerierte Ergebnisdateien ein.</translation>
    </message>
    <message>
        <source>Die Datei ist nicht vorhanden.</source>
        <translation>Die Datei ist nicht vorhanden.</translation>
    </message>
    <message>
        <source>Sie ist keine GDT-Datei (sie beginnt nicht mit dem Feld 8000) oder größer als eine Anfrage sein kann.</source>
        <translation>Sie ist keine GDT-Datei (sie beginnt nicht mit dem Feld 8000) oder größer als eine Anfrage sein kann.</translation>
    </message>
</context>
<context>
    <name>Geraet</name>
    <message>
        <source>die Schnittstelle ist nicht vorhanden (Kabel eingesteckt?)</source>
        <translation>die Schnittstelle ist nicht vorhanden (Kabel eingesteckt?)</translation>
    </message>
    <message>
        <source>keine Berechtigung: der Benutzer muss Mitglied der Gruppe dialout sein (danach neu anmelden)</source>
        <translation>keine Berechtigung: der Benutzer muss Mitglied der Gruppe dialout sein (danach neu anmelden)</translation>
    </message>
    <message>
        <source>die Schnittstelle wird von einem anderen Programm benutzt</source>
        <translation>die Schnittstelle wird von einem anderen Programm benutzt</translation>
    </message>
    <message>
        <source>das ist keine serielle Schnittstelle</source>
        <translation>das ist keine serielle Schnittstelle</translation>
    </message>
    <message>
        <source>Schnittstelle kann nicht geöffnet werden</source>
        <translation>Schnittstelle kann nicht geöffnet werden</translation>
    </message>
    <message>
        <source>&apos;%1&apos; ist kein gültiger Integerwert</source>
        <translation>&apos;%1&apos; ist kein gültiger Integerwert</translation>
    </message>
    <message>
        <source>Kein Gerät erkannt!</source>
        <translation>Kein Gerät erkannt!</translation>
    </message>
    <message>
        <source>Die Firmware am Gerät unterstützt diese Funktion nicht!</source>
        <translation>Die Firmware am Gerät unterstützt diese Funktion nicht!</translation>
    </message>
    <message>
        <source>Während der Kommunikation ist ein Fehler aufgetreten!</source>
        <translation>Während der Kommunikation ist ein Fehler aufgetreten!</translation>
    </message>
    <message>
        <source>Gerät wird nicht unterstützt</source>
        <translation>Gerät wird nicht unterstützt</translation>
    </message>
    <message>
        <source>ZUD12 Typ %1</source>
        <translation>ZUD12 Typ %1</translation>
    </message>
</context>
<context>
    <name>Login</name>
    <message>
        <source>Benutzer</source>
        <translation>Benutzer</translation>
    </message>
</context>
<context>
    <name>Phasengruppen</name>
    <message>
        <source>Entspannen</source>
        <translation>Entspannen</translation>
    </message>
    <message>
        <source>Anspannen</source>
        <translation>Anspannen</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Strom</source>
        <translation>Strom</translation>
    </message>
    <message>
        <source>Druck</source>
        <translation>Druck</translation>
    </message>
    <message>
        <source>EMG CH1</source>
        <translation>EMG CH1</translation>
    </message>
    <message>
        <source>EMG CH2</source>
        <translation>EMG CH2</translation>
    </message>
    <message>
        <source>Entspannen CH1</source>
        <translation>Entspannen CH1</translation>
    </message>
    <message>
        <source>Anspannen CH1</source>
        <translation>Anspannen CH1</translation>
    </message>
    <message>
        <source>Entspannen CH2</source>
        <translation>Entspannen CH2</translation>
    </message>
    <message>
        <source>Anspannen CH2</source>
        <translation>Anspannen CH2</translation>
    </message>
</context>
<context>
    <name>Programmierung</name>
    <message>
        <source>Dauerbetrieb</source>
        <translation>Dauerbetrieb</translation>
    </message>
    <message>
        <source>%1min</source>
        <translation>%1min</translation>
    </message>
    <message>
        <source>Einige Texte konnten nicht in die eingestellte Sprache des Gerätes konvertiert werden. Überprüfen Sie die Anzeige!</source>
        <translation>Einige Texte konnten nicht in die eingestellte Sprache des Gerätes konvertiert werden. Überprüfen Sie die Anzeige!</translation>
    </message>
    <message>
        <source>Lade Systemparameter ...</source>
        <translation>Lade Systemparameter ...</translation>
    </message>
    <message>
        <source>Lade Therapeutendaten ...</source>
        <translation>Lade Therapeutendaten ...</translation>
    </message>
    <message>
        <source>Laden abgebrochen.</source>
        <translation>Laden abgebrochen.</translation>
    </message>
    <message>
        <source>Datei kann nicht gelesen werden: %1 (%2)</source>
        <translation>Datei kann nicht gelesen werden: %1 (%2)</translation>
    </message>
    <message>
        <source>Es ist ein anderes Gerät angeschlossen als beim Laden (S/N %1). Bitte die Programmierung neu starten.</source>
        <translation>Es ist ein anderes Gerät angeschlossen als beim Laden (S/N %1). Bitte die Programmierung neu starten.</translation>
    </message>
    <message>
        <source>Lösche Übungen (Therapeut %1, Patient %2)</source>
        <translation>Lösche Übungen (Therapeut %1, Patient %2)</translation>
    </message>
    <message>
        <source>Werkszustand</source>
        <translation>Werkszustand</translation>
    </message>
    <message>
        <source>Werkseinstellungen abgebrochen: die Übungen von %1 Patienten wurden gelöscht, das Gerät behält seine Programme.</source>
        <translation>Werkseinstellungen abgebrochen: die Übungen von %1 Patienten wurden gelöscht, das Gerät behält seine Programme.</translation>
    </message>
    <message>
        <source>Übertrage Programme ...</source>
        <translation>Übertrage Programme ...</translation>
    </message>
    <message>
        <source>Übertragen abgebrochen: %1 Dateien wurden übertragen. Die übrigen Änderungen überträgt das nächste „Übertragen“.</source>
        <translation>Übertragen abgebrochen: %1 Dateien wurden übertragen. Die übrigen Änderungen überträgt das nächste „Übertragen“.</translation>
    </message>
</context>
<context>
    <name>Ribbon</name>
    <message>
        <source>Dieser Befehl ist deaktiviert.</source>
        <translation>Dieser Befehl ist deaktiviert.</translation>
    </message>
</context>
<context>
    <name>Rohdaten</name>
    <message>
        <source>Entspannen</source>
        <translation>Entspannen</translation>
    </message>
    <message>
        <source>Anspannen</source>
        <translation>Anspannen</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Strom</source>
        <translation>Strom</translation>
    </message>
</context>
<context>
    <name>Statistik</name>
    <message>
        <source>Einkanalig</source>
        <translation>Einkanalig</translation>
    </message>
    <message>
        <source>Zweikanalig</source>
        <translation>Zweikanalig</translation>
    </message>
    <message>
        <source>EMG-gesteuert</source>
        <translation>EMG-gesteuert</translation>
    </message>
    <message>
        <source>Druck</source>
        <translation>Druck</translation>
    </message>
    <message>
        <source>Training Druck</source>
        <translation>Training Druck</translation>
    </message>
    <message>
        <source>Nr</source>
        <translation>Nr</translation>
    </message>
    <message>
        <source>Datum</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Uhrzeit</source>
        <translation>Uhrzeit</translation>
    </message>
    <message>
        <source>Programmname</source>
        <translation>Programmname</translation>
    </message>
    <message>
        <source>Betriebsart</source>
        <translation>Betriebsart</translation>
    </message>
    <message>
        <source>Übungslänge</source>
        <translation>Übungslänge</translation>
    </message>
    <message>
        <source>Entspannen min</source>
        <translation>Entspannen min</translation>
    </message>
    <message>
        <source>Entspannen max</source>
        <translation>Entspannen max</translation>
    </message>
    <message>
        <source>Entspannen Ø</source>
        <translation>Entspannen Ø</translation>
    </message>
    <message>
        <source>Anspannen min</source>
        <translation>Anspannen min</translation>
    </message>
    <message>
        <source>Anspannen max</source>
        <translation>Anspannen max</translation>
    </message>
    <message>
        <source>Anspannen Ø</source>
        <translation>Anspannen Ø</translation>
    </message>
    <message>
        <source>Pause min</source>
        <translation>Pause min</translation>
    </message>
    <message>
        <source>Pause max</source>
        <translation>Pause max</translation>
    </message>
    <message>
        <source>Pause Ø</source>
        <translation>Pause Ø</translation>
    </message>
    <message>
        <source>Strom min</source>
        <translation>Strom min</translation>
    </message>
    <message>
        <source>Strom max</source>
        <translation>Strom max</translation>
    </message>
    <message>
        <source>Strom Ø</source>
        <translation>Strom Ø</translation>
    </message>
    <message>
        <source>Entspannen min CH1</source>
        <translation>Entspannen min CH1</translation>
    </message>
    <message>
        <source>Entspannen max CH1</source>
        <translation>Entspannen max CH1</translation>
    </message>
    <message>
        <source>Entspannen Ø CH1</source>
        <translation>Entspannen Ø CH1</translation>
    </message>
    <message>
        <source>Anspannen min CH1</source>
        <translation>Anspannen min CH1</translation>
    </message>
    <message>
        <source>Anspannen max CH1</source>
        <translation>Anspannen max CH1</translation>
    </message>
    <message>
        <source>Anspannen Ø CH1</source>
        <translation>Anspannen Ø CH1</translation>
    </message>
    <message>
        <source>Entspannen min CH2</source>
        <translation>Entspannen min CH2</translation>
    </message>
    <message>
        <source>Entspannen max CH2</source>
        <translation>Entspannen max CH2</translation>
    </message>
    <message>
        <source>Entspannen Ø CH2</source>
        <translation>Entspannen Ø CH2</translation>
    </message>
    <message>
        <source>Anspannen min CH2</source>
        <translation>Anspannen min CH2</translation>
    </message>
    <message>
        <source>Anspannen max CH2</source>
        <translation>Anspannen max CH2</translation>
    </message>
    <message>
        <source>Anspannen Ø CH2</source>
        <translation>Anspannen Ø CH2</translation>
    </message>
    <message>
        <source>Druck min</source>
        <translation>Druck min</translation>
    </message>
    <message>
        <source>Druck max</source>
        <translation>Druck max</translation>
    </message>
    <message>
        <source>Druck Ø</source>
        <translation>Druck Ø</translation>
    </message>
    <message>
        <source>max. Haltedauer</source>
        <translation>max. Haltedauer</translation>
    </message>
    <message>
        <source>Basisdruck</source>
        <translation>Basisdruck</translation>
    </message>
    <message>
        <source>EMG min CH1</source>
        <translation>EMG min CH1</translation>
    </message>
    <message>
        <source>EMG max CH1</source>
        <translation>EMG max CH1</translation>
    </message>
    <message>
        <source>EMG Ø CH1</source>
        <translation>EMG Ø CH1</translation>
    </message>
    <message>
        <source>EMG min CH2</source>
        <translation>EMG min CH2</translation>
    </message>
    <message>
        <source>EMG max CH2</source>
        <translation>EMG max CH2</translation>
    </message>
    <message>
        <source>EMG Ø CH2</source>
        <translation>EMG Ø CH2</translation>
    </message>
    <message>
        <source>keine Übungen gespeichert</source>
        <translation>keine Übungen gespeichert</translation>
    </message>
    <message>
        <source>keine Übung mit fester Übungsdauer über 2 min</source>
        <translation>keine Übung mit fester Übungsdauer über 2 min</translation>
    </message>
    <message>
        <source>nicht hinterlegt</source>
        <translation>nicht hinterlegt</translation>
    </message>
    <message>
        <source>nicht hinterlegt („%1“ ist keine Seriennummer)</source>
        <translation>nicht hinterlegt („%1“ ist keine Seriennummer)</translation>
    </message>
</context>
<context>
    <name>zud::ui::ApplicationChangeWindow</name>
    <message>
        <source>Anwendung wechseln</source>
        <translation>Anwendung wechseln</translation>
    </message>
    <message>
        <source>Zurück</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Wechseln</source>
        <translation>Wechseln</translation>
    </message>
    <message>
        <source>Allgemein</source>
        <translation>Allgemein</translation>
    </message>
    <message>
        <source>Anwendung</source>
        <translation>Anwendung</translation>
    </message>
    <message>
        <source>Anwendungen:</source>
        <translation>Anwendungen:</translation>
    </message>
    <message>
        <source>Firmware-Version</source>
        <translation>Firmware-Version</translation>
    </message>
    <message>
        <source>Firmware-Datum</source>
        <translation>Firmware-Datum</translation>
    </message>
    <message>
        <source>Lösche Übungen...</source>
        <translation>Lösche Übungen...</translation>
    </message>
    <message>
        <source>Werkszustand</source>
        <translation>Werkszustand</translation>
    </message>
    <message>
        <source>%1 (aktiv)</source>
        <translation>%1 (aktiv)</translation>
    </message>
    <message>
        <source>Die aktive Anwendung des Gerätes.</source>
        <translation>Die aktive Anwendung des Gerätes.</translation>
    </message>
    <message>
        <source>%1 (nicht freigeschaltet)</source>
        <translation>%1 (nicht freigeschaltet)</translation>
    </message>
    <message>
        <source>Das Gerät meldet diese Anwendung nicht als freigeschaltet.</source>
        <translation>Das Gerät meldet diese Anwendung nicht als freigeschaltet.</translation>
    </message>
    <message>
        <source>Aktive Anwendung</source>
        <translation>Aktive Anwendung</translation>
    </message>
    <message>
        <source>keine</source>
        <translation>keine</translation>
    </message>
    <message>
        <source>Freigeschaltet</source>
        <translation>Freigeschaltet</translation>
    </message>
    <message>
        <source>Das Gerät wird auf die Anwendung „%1“ umgestellt. Hierdurch werden alle Übungen und Patienten auf dem Gerät gelöscht und das Gerät auf Werkseinstellungen zurückgesetzt; die Datenbank bleibt unverändert. Übungen, die noch nicht ausgelesen wurden, gehen verloren.

Möchten Sie fortfahren?</source>
        <translation>Das Gerät wird auf die Anwendung „%1“ umgestellt. Hierdurch werden alle Übungen und Patienten auf dem Gerät gelöscht und das Gerät auf Werkseinstellungen zurückgesetzt; die Datenbank bleibt unverändert. Übungen, die noch nicht ausgelesen wurden, gehen verloren.

Möchten Sie fortfahren?</translation>
    </message>
    <message>
        <source>Vorher auslesen</source>
        <translation>Vorher auslesen</translation>
    </message>
    <message>
        <source>Das Gerät meldet die Anwendung „%1“ nicht als freigeschaltet. Ohne Freischaltung kann das Gerät nach dem Wechsel womöglich keine Übungen ausführen, bis wieder auf eine freigeschaltete Anwendung gewechselt wird.

Trotzdem wechseln?</source>
        <translation>Das Gerät meldet die Anwendung „%1“ nicht als freigeschaltet. Ohne Freischaltung kann das Gerät nach dem Wechsel womöglich keine Übungen ausführen, bis wieder auf eine freigeschaltete Anwendung gewechselt wird.

Trotzdem wechseln?</translation>
    </message>
</context>
<context>
    <name>zud::ui::ChartFrame</name>
    <message>
        <source>Diese Übung enthält keine darstellbaren Messwerte.</source>
        <translation>Diese Übung enthält keine darstellbaren Messwerte.</translation>
    </message>
</context>
<context>
    <name>zud::ui::CheckPatientModel</name>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Letzter Zugriff</source>
        <translation>Letzter Zugriff</translation>
    </message>
    <message>
        <source>Geburtsdatum</source>
        <translation>Geburtsdatum</translation>
    </message>
</context>
<context>
    <name>zud::ui::DeviceRecordingModel</name>
    <message>
        <source>&lt; 1 min</source>
        <translation>&lt; 1 min</translation>
    </message>
    <message>
        <source>%1 min</source>
        <translation>%1 min</translation>
    </message>
    <message>
        <source>Datum</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Uhrzeit</source>
        <translation>Uhrzeit</translation>
    </message>
    <message>
        <source>Übungslänge</source>
        <translation>Übungslänge</translation>
    </message>
    <message>
        <source>bereits gespeichert</source>
        <translation>bereits gespeichert</translation>
    </message>
    <message>
        <source>Datenbank</source>
        <translation>Datenbank</translation>
    </message>
    <message>
        <source>gleiche Uhrzeit bei %1</source>
        <translation>gleiche Uhrzeit bei %1</translation>
    </message>
</context>
<context>
    <name>zud::ui::ExchangeForm</name>
    <message>
        <source>Abbrechen</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>zud::ui::ExchangeProgress</name>
    <message>
        <source>Abbrechen</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>zud::ui::ExportWindow</name>
    <message>
        <source>Daten exportieren</source>
        <translation>Daten exportieren</translation>
    </message>
    <message>
        <source>Exportieren</source>
        <translation>Exportieren</translation>
    </message>
    <message>
        <source>Zurück</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Export</translation>
    </message>
    <message>
        <source>Archive</source>
        <translation>Archive</translation>
    </message>
    <message>
        <source>Die Daten wurden exportiert (Patienten: %1) in die Datei:
%2</source>
        <translation>Die Daten wurden exportiert (Patienten: %1) in die Datei:
%2</translation>
    </message>
</context>
<context>
    <name>zud::ui::GdtSettingsDialog</name>
    <message>
        <source>GDT-Einstellungen</source>
        <translation>GDT-Einstellungen</translation>
    </message>
    <message>
        <source>Verbindung zur Praxissoftware (GDT) aktiv</source>
        <translation>Verbindung zur Praxissoftware (GDT) aktiv</translation>
    </message>
    <message>
        <source>Durchsuchen…</source>
        <translation>Durchsuchen…</translation>
    </message>
    <message>
        <source>GDT-Austauschordner</source>
        <translation>GDT-Austauschordner</translation>
    </message>
    <message>
        <source>Austauschordner:</source>
        <translation>Austauschordner:</translation>
    </message>
    <message>
        <source>Eigene GDT-ID:</source>
        <translation>Eigene GDT-ID:</translation>
    </message>
    <message>
        <source>GDT-ID der Praxissoftware:</source>
        <translation>GDT-ID der Praxissoftware:</translation>
    </message>
    <message>
        <source>Version:</source>
        <translation>Version:</translation>
    </message>
    <message>
        <source>7 Bit (DIN 66003)</source>
        <translation>7 Bit (DIN 66003)</translation>
    </message>
    <message>
        <source>IBM CP 437</source>
        <translation>IBM CP 437</translation>
    </message>
    <message>
        <source>ISO 8859-15</source>
        <translation>ISO 8859-15</translation>
    </message>
    <message>
        <source>Zeichensatz:</source>
        <translation>Zeichensatz:</translation>
    </message>
    <message>
        <source>Untersuchungscode (8402):</source>
        <translation>Untersuchungscode (8402):</translation>
    </message>
    <message>
        <source>Ergebnisse nach dem Auslesen und nach dem Speichern einer Echtzeitmessung automatisch senden</source>
        <translation>Ergebnisse nach dem Auslesen und nach dem Speichern einer Echtzeitmessung automatisch senden</translation>
    </message>
    <message>
        <source>Berichtsseite als PDF mitsenden</source>
        <translation>Berichtsseite als PDF mitsenden</translation>
    </message>
    <message>
        <source>Ergebnisdateien nummerieren (.001, .002, …)</source>
        <translation>Ergebnisdateien nummerieren (.001, .002, …)</translation>
    </message>
</context>
<context>
    <name>zud::ui::ImportWindow</name>
    <message>
        <source>Daten importieren</source>
        <translation>Daten importieren</translation>
    </message>
    <message>
        <source>Archiv öffnen</source>
        <translation>Archiv öffnen</translation>
    </message>
    <message>
        <source>Importieren</source>
        <translation>Importieren</translation>
    </message>
    <message>
        <source>Zurück</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Import</translation>
    </message>
    <message>
        <source>Archive</source>
        <translation>Archive</translation>
    </message>
    <message>
        <source>Die Daten wurden importiert (Patienten: %1) aus der Datei:
%2</source>
        <translation>Die Daten wurden importiert (Patienten: %1) aus der Datei:
%2</translation>
    </message>
</context>
<context>
    <name>zud::ui::LiveSessionPanel</name>
    <message>
        <source>Patient</source>
        <translation>Patient</translation>
    </message>
    <message>
        <source>Programm</source>
        <translation>Programm</translation>
    </message>
    <message>
        <source>Zeit</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>Zyklus</source>
        <translation>Zyklus</translation>
    </message>
    <message>
        <source>Im Zielbereich</source>
        <translation>Im Zielbereich</translation>
    </message>
    <message>
        <source>kein Patient gewählt</source>
        <translation>kein Patient gewählt</translation>
    </message>
    <message>
        <source>%1 von %2</source>
        <translation>%1 von %2</translation>
    </message>
    <message>
        <source>Wert</source>
        <translation>Wert</translation>
    </message>
    <message>
        <source>Strom</source>
        <translation>Strom</translation>
    </message>
    <message>
        <source>Druck</source>
        <translation>Druck</translation>
    </message>
    <message>
        <source>EMG 1</source>
        <translation>EMG 1</translation>
    </message>
    <message>
        <source>EMG</source>
        <translation>EMG</translation>
    </message>
    <message>
        <source>EMG 2</source>
        <translation>EMG 2</translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>Ziel: über der Schwelle</source>
        <translation>Ziel: über der Schwelle</translation>
    </message>
    <message>
        <source>Ziel: unter der Schwelle</source>
        <translation>Ziel: unter der Schwelle</translation>
    </message>
    <message>
        <source>Dauerbetrieb</source>
        <translation>Dauerbetrieb</translation>
    </message>
    <message>
        <source>Gesamtdauer: %1</source>
        <translation>Gesamtdauer: %1</translation>
    </message>
</context>
<context>
    <name>zud::ui::LoginDialog</name>
    <message>
        <source>Login</source>
        <translation>Login</translation>
    </message>
    <message>
        <source>Benutzer:</source>
        <translation>Benutzer:</translation>
    </message>
    <message>
        <source>Passwort:</source>
        <translation>Passwort:</translation>
    </message>
    <message>
        <source>Diesen Login immer benutzen</source>
        <translation>Diesen Login immer benutzen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>zud::ui::MainWindow</name>
    <message>
        <source>Gebrauchsanweisung</source>
        <translation>Gebrauchsanweisung</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Software-Update</source>
        <translation>Software-Update</translation>
    </message>
    <message>
        <source>Beenden</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Programmieren</source>
        <translation>Programmieren</translation>
    </message>
    <message>
        <source>Übungen auslesen</source>
        <translation>Übungen auslesen</translation>
    </message>
    <message>
        <source>Echtzeit Start</source>
        <translation>Echtzeit Start</translation>
    </message>
    <message>
        <source>Echtzeit Stop</source>
        <translation>Echtzeit Stop</translation>
    </message>
    <message>
        <source>Anwendung wechseln</source>
        <translation>Anwendung wechseln</translation>
    </message>
    <message>
        <source>Aktualisieren</source>
        <translation>Aktualisieren</translation>
    </message>
    <message>
        <source>Anschluss</source>
        <translation>Anschluss</translation>
    </message>
    <message>
        <source>Baudrate</source>
        <translation>Baudrate</translation>
    </message>
    <message>
        <source>Patienten</source>
        <translation>Patienten</translation>
    </message>
    <message>
        <source>Patient hinzufügen</source>
        <translation>Patient hinzufügen</translation>
    </message>
    <message>
        <source>Patient löschen</source>
        <translation>Patient löschen</translation>
    </message>
    <message>
        <source>Statistik</source>
        <translation>Statistik</translation>
    </message>
    <message>
        <source>Übung laden</source>
        <translation>Übung laden</translation>
    </message>
    <message>
        <source>Übung löschen</source>
        <translation>Übung löschen</translation>
    </message>
    <message>
        <source>Übung speichern</source>
        <translation>Übung speichern</translation>
    </message>
    <message>
        <source>Bemerkung hinzufügen/ändern</source>
        <translation>Bemerkung hinzufügen/ändern</translation>
    </message>
    <message>
        <source>Druckvorschau</source>
        <translation>Druckvorschau</translation>
    </message>
    <message>
        <source>Als PDF exportieren</source>
        <translation>Als PDF exportieren</translation>
    </message>
    <message>
        <source>Daten Exportieren</source>
        <translation>Daten Exportieren</translation>
    </message>
    <message>
        <source>Daten Importieren</source>
        <translation>Daten Importieren</translation>
    </message>
    <message>
        <source>Datenbank sichern</source>
        <translation>Datenbank sichern</translation>
    </message>
    <message>
        <source>Datenbank wiederherstellen</source>
        <translation>Datenbank wiederherstellen</translation>
    </message>
    <message>
        <source>Rohdaten exportieren</source>
        <translation>Rohdaten exportieren</translation>
    </message>
    <message>
        <source>Rohdaten der angezeigten Datei in eine CSV-Datei exportieren.</source>
        <translation>Rohdaten der angezeigten Datei in eine CSV-Datei exportieren.</translation>
    </message>
    <message>
        <source>Login</source>
        <translation>Login</translation>
    </message>
    <message>
        <source>Logout</source>
        <translation>Logout</translation>
    </message>
    <message>
        <source>Passwort ändern</source>
        <translation>Passwort ändern</translation>
    </message>
    <message>
        <source>DB-Manager</source>
        <translation>DB-Manager</translation>
    </message>
    <message>
        <source>Patienten/Übungen verbergen</source>
        <translation>Patienten/Übungen verbergen</translation>
    </message>
    <message>
        <source>Patienten/Übungen anzeigen</source>
        <translation>Patienten/Übungen anzeigen</translation>
    </message>
    <message>
        <source>Alle Übungen anordnen</source>
        <translation>Alle Übungen anordnen</translation>
    </message>
    <message>
        <source>Liniendiagramm</source>
        <translation>Liniendiagramm</translation>
    </message>
    <message>
        <source>Flächendiagramm</source>
        <translation>Flächendiagramm</translation>
    </message>
    <message>
        <source>Gitterlinien X-Achse +</source>
        <translation>Gitterlinien X-Achse +</translation>
    </message>
    <message>
        <source>Gitterlinien X-Achse -</source>
        <translation>Gitterlinien X-Achse -</translation>
    </message>
    <message>
        <source>Gitterlinien Y-Achse +</source>
        <translation>Gitterlinien Y-Achse +</translation>
    </message>
    <message>
        <source>Gitterlinien Y-Achse -</source>
        <translation>Gitterlinien Y-Achse -</translation>
    </message>
    <message>
        <source>Zuschneiden</source>
        <translation>Zuschneiden</translation>
    </message>
    <message>
        <source>Übernehmen</source>
        <translation>Übernehmen</translation>
    </message>
    <message>
        <source>Verwerfen</source>
        <translation>Verwerfen</translation>
    </message>
    <message>
        <source>Sprache</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>Allgemein</source>
        <translation>Allgemein</translation>
    </message>
    <message>
        <source>Kommunikation</source>
        <translation>Kommunikation</translation>
    </message>
    <message>
        <source>Übungen</source>
        <translation>Übungen</translation>
    </message>
    <message>
        <source>Daten</source>
        <translation>Daten</translation>
    </message>
    <message>
        <source>Ansicht</source>
        <translation>Ansicht</translation>
    </message>
    <message>
        <source>Programm</source>
        <translation>Programm</translation>
    </message>
    <message>
        <source>Gitterlinien</source>
        <translation>Gitterlinien</translation>
    </message>
    <message>
        <source>Druck-Einheit</source>
        <translation>Druck-Einheit</translation>
    </message>
    <message>
        <source>Dieser Befehl ist deaktiviert.</source>
        <translation>Dieser Befehl ist deaktiviert.</translation>
    </message>
    <message>
        <source>Persönliche Benutzerkonten setzen einen Datenbankserver voraus. Mit der eingebetteten Datenbank wird jeder Name ohne Passwortprüfung angenommen.</source>
        <translation>Persönliche Benutzerkonten setzen einen Datenbankserver voraus. Mit der eingebetteten Datenbank wird jeder Name ohne Passwortprüfung angenommen.</translation>
    </message>
    <message>
        <source>Passwort ändern fehlgeschlagen (%1)</source>
        <translation>Passwort ändern fehlgeschlagen (%1)</translation>
    </message>
    <message>
        <source>Es ist kein Update-Server eingerichtet.</source>
        <translation>Es ist kein Update-Server eingerichtet.</translation>
    </message>
    <message>
        <source>Updateinformationen können nicht geladen werden. Bitte überprüfen Sie die Internetverbindung.</source>
        <translation>Updateinformationen können nicht geladen werden. Bitte überprüfen Sie die Internetverbindung.</translation>
    </message>
    <message>
        <source>Eine neue Programmversion (%1) von ZUD-Software ist verfügbar. Möchten Sie diese herunterladen?</source>
        <translation>Eine neue Programmversion (%1) von ZUD-Software ist verfügbar. Möchten Sie diese herunterladen?</translation>
    </message>
    <message>
        <source>Die Anwendung ist bereits auf dem neuesten Stand.</source>
        <translation>Die Anwendung ist bereits auf dem neuesten Stand.</translation>
    </message>
    <message>
        <source>Zuletzt verwendet</source>
        <translation>Zuletzt verwendet</translation>
    </message>
    <message>
        <source>Alle Patienten</source>
        <translation>Alle Patienten</translation>
    </message>
    <message>
        <source>auswählen...</source>
        <translation>auswählen...</translation>
    </message>
    <message>
        <source>Alle Übungen</source>
        <translation>Alle Übungen</translation>
    </message>
    <message>
        <source>CSV-Dateien (*.csv)</source>
        <translation>CSV-Dateien (*.csv)</translation>
    </message>
    <message>
        <source>Es gibt Echtzeit-Aufnahmen, die noch nicht gespeichert sind (Anzahl: %1). Sie gehen verloren. Trotzdem fortfahren?</source>
        <translation>Es gibt Echtzeit-Aufnahmen, die noch nicht gespeichert sind (Anzahl: %1). Sie gehen verloren. Trotzdem fortfahren?</translation>
    </message>
    <message>
        <source>Backups (*.bak3)</source>
        <translation>Backups (*.bak3)</translation>
    </message>
    <message>
        <source>Patienten- und Messdaten werden von den gesicherten Daten ersetzt. Möchten Sie fortfahren?</source>
        <translation>Patienten- und Messdaten werden von den gesicherten Daten ersetzt. Möchten Sie fortfahren?</translation>
    </message>
    <message>
        <source>Möchten Sie die Daten aus der Vorgängerversion übernehmen?</source>
        <translation>Möchten Sie die Daten aus der Vorgängerversion übernehmen?</translation>
    </message>
    <message>
        <source>Importieren</source>
        <translation>Importieren</translation>
    </message>
    <message>
        <source>Die Echtzeitmessung wurde beendet: das Gerät sendet keine Daten mehr.</source>
        <translation>Die Echtzeitmessung wurde beendet: das Gerät sendet keine Daten mehr.</translation>
    </message>
    <message>
        <source>Das Gerät hat die Echtzeitmessung nicht gestartet.</source>
        <translation>Das Gerät hat die Echtzeitmessung nicht gestartet.</translation>
    </message>
    <message>
        <source>Lesen Sie mit „Übungen auslesen“ (Strg+R) die Übungen des Geräts ein, oder wählen Sie unter „Patienten“ einen Patienten und öffnen Sie eine seiner Übungen.</source>
        <translation>Lesen Sie mit „Übungen auslesen“ (Strg+R) die Übungen des Geräts ein, oder wählen Sie unter „Patienten“ einen Patienten und öffnen Sie eine seiner Übungen.</translation>
    </message>
    <message>
        <source>Rohdaten gespeichert: %1</source>
        <translation>Rohdaten gespeichert: %1</translation>
    </message>
    <message>
        <source>Diese Echtzeit-Aufnahme (%1) ist noch nicht gespeichert und geht verloren. Trotzdem schließen?</source>
        <translation>Diese Echtzeit-Aufnahme (%1) ist noch nicht gespeichert und geht verloren. Trotzdem schließen?</translation>
    </message>
    <message>
        <source>Übung vom %1 wirklich löschen?</source>
        <translation>Übung vom %1 wirklich löschen?</translation>
    </message>
    <message>
        <source>Beim letzten Programmende waren Echtzeit-Aufnahmen nicht gespeichert (Anzahl: %1). Sie wurden aufbewahrt und sind als „*Neu“ geöffnet: Wählen Sie einen Patienten und speichern Sie sie.</source>
        <translation>Beim letzten Programmende waren Echtzeit-Aufnahmen nicht gespeichert (Anzahl: %1). Sie wurden aufbewahrt und sind als „*Neu“ geöffnet: Wählen Sie einen Patienten und speichern Sie sie.</translation>
    </message>
    <message>
        <source>Ton</source>
        <translation>Ton</translation>
    </message>
    <message>
        <source>Ton während der Echtzeitmessung: Er erklingt, solange der Messwert in Anspannphasen über und in Entspannphasen unter der Schwelle liegt.</source>
        <translation>Ton während der Echtzeitmessung: Er erklingt, solange der Messwert in Anspannphasen über und in Entspannphasen unter der Schwelle liegt.</translation>
    </message>
    <message>
        <source>Kein Audioausgabegerät gefunden: Der Ton der Echtzeitmessung bleibt stumm.</source>
        <translation>Kein Audioausgabegerät gefunden: Der Ton der Echtzeitmessung bleibt stumm.</translation>
    </message>
    <message>
        <source>Lautstärke</source>
        <translation>Lautstärke</translation>
    </message>
    <message>
        <source>Lautstärke des Tons: %1 %</source>
        <translation>Lautstärke des Tons: %1 %</translation>
    </message>
    <message>
        <source>Die Datenbank wurde gesichert in die Datei:
%1</source>
        <translation>Die Datenbank wurde gesichert in die Datei:
%1</translation>
    </message>
    <message>
        <source>Übung schließen</source>
        <translation>Übung schließen</translation>
    </message>
    <message>
        <source>Sonstige Einstellungen</source>
        <translation>Sonstige Einstellungen</translation>
    </message>
    <message>
        <source>Übung als PDF speichern</source>
        <translation>Übung als PDF speichern</translation>
    </message>
    <message>
        <source>An Praxissoftware senden</source>
        <translation>An Praxissoftware senden</translation>
    </message>
    <message>
        <source>Als EDF+ exportieren</source>
        <translation>Als EDF+ exportieren</translation>
    </message>
    <message>
        <source>Alle Übungen als EDF+ exportieren</source>
        <translation>Alle Übungen als EDF+ exportieren</translation>
    </message>
    <message>
        <source>GDT-Einstellungen</source>
        <translation>GDT-Einstellungen</translation>
    </message>
    <message>
        <source>Praxissoftware</source>
        <translation>Praxissoftware</translation>
    </message>
    <message>
        <source>Ergebnis an die Praxissoftware gesendet: %1</source>
        <translation>Ergebnis an die Praxissoftware gesendet: %1</translation>
    </message>
    <message>
        <source>Das Ergebnis konnte nicht an die Praxissoftware gesendet werden: %1</source>
        <translation>Das Ergebnis konnte nicht an die Praxissoftware gesendet werden: %1</translation>
    </message>
    <message>
        <source>EDF+-Dateien (*.edf)</source>
        <translation>EDF+-Dateien (*.edf)</translation>
    </message>
    <message>
        <source>Ordner für die EDF+-Dateien</source>
        <translation>Ordner für die EDF+-Dateien</translation>
    </message>
    <message>
        <source>%1 Übung(en) als EDF+ gespeichert: %2</source>
        <translation>%1 Übung(en) als EDF+ gespeichert: %2</translation>
    </message>
    <message>
        <source>%1 (nicht gefunden)</source>
        <translation>%1 (nicht gefunden)</translation>
    </message>
    <message>
        <source>Die Datenbank wurde wiederhergestellt aus der Datei:
%1</source>
        <translation>Die Datenbank wurde wiederhergestellt aus der Datei:
%1</translation>
    </message>
    <message>
        <source>Die Echtzeit-Aufnahme für %1 speichern?</source>
        <translation>Die Echtzeit-Aufnahme für %1 speichern?</translation>
    </message>
    <message numerus="yes">
        <source>Übertragen: %n Dateien</source>
        <translation>
            <numerusform>Übertragen: %n Datei</numerusform>
            <numerusform>Übertragen: %n Dateien</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 Ergebnisse an die Praxissoftware gesendet: %2</source>
        <translation>%1 Ergebnisse an die Praxissoftware gesendet: %2</translation>
    </message>
    <message>
        <source>Von %1 Ergebnissen wurden %2 an die Praxissoftware gesendet, die übrigen nicht: %3</source>
        <translation>Von %1 Ergebnissen wurden %2 an die Praxissoftware gesendet, die übrigen nicht: %3</translation>
    </message>
    <message>
        <source>Erneut verbinden</source>
        <translation>Erneut verbinden</translation>
    </message>
    <message>
        <source>Die Verbindung zum Datenbankserver neu aufbauen, etwa nachdem der Server neu gestartet wurde.</source>
        <translation>Die Verbindung zum Datenbankserver neu aufbauen, etwa nachdem der Server neu gestartet wurde.</translation>
    </message>
    <message>
        <source>Die Verbindung zum Datenbankserver steht wieder.</source>
        <translation>Die Verbindung zum Datenbankserver steht wieder.</translation>
    </message>
</context>
<context>
    <name>zud::ui::MoveRecordingDialog</name>
    <message>
        <source>Verschieben</source>
        <translation>Verschieben</translation>
    </message>
    <message>
        <source>Verschieben von Messung:</source>
        <translation>Verschieben von Messung:</translation>
    </message>
    <message>
        <source>Von Patient:</source>
        <translation>Von Patient:</translation>
    </message>
    <message>
        <source>Zu Patient:</source>
        <translation>Zu Patient:</translation>
    </message>
    <message>
        <source>Nicht mehr anzeigen</source>
        <translation>Nicht mehr anzeigen</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>zud::ui::NewPasswordDialog</name>
    <message>
        <source>Passwort ändern</source>
        <translation>Passwort ändern</translation>
    </message>
    <message>
        <source>Neues Passwort:</source>
        <translation>Neues Passwort:</translation>
    </message>
    <message>
        <source>Neues Passwort wiederholen:</source>
        <translation>Neues Passwort wiederholen:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>zud::ui::OutputWindow</name>
    <message>
        <source>Ausgabe</source>
        <translation>Ausgabe</translation>
    </message>
    <message>
        <source>Fenster</source>
        <translation>Fenster</translation>
    </message>
    <message>
        <source>Drucken</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>PDF</source>
        <translation>PDF</translation>
    </message>
    <message>
        <source>Zurück</source>
        <translation>Zurück</translation>
    </message>
</context>
<context>
    <name>zud::ui::PatientDialog</name>
    <message>
        <source>Patient ändern</source>
        <translation>Patient ändern</translation>
    </message>
    <message>
        <source>Patient hinzufügen</source>
        <translation>Patient hinzufügen</translation>
    </message>
    <message>
        <source>Zurück</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Ändern</source>
        <translation>Ändern</translation>
    </message>
    <message>
        <source>Hinzufügen</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Vorname:</source>
        <translation>Vorname:</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Geburtsdatum:</source>
        <translation>Geburtsdatum:</translation>
    </message>
    <message>
        <source>PLZ</source>
        <translation>PLZ</translation>
    </message>
    <message>
        <source>Straße:</source>
        <translation>Straße:</translation>
    </message>
    <message>
        <source>Wohnort:</source>
        <translation>Wohnort:</translation>
    </message>
    <message>
        <source>Telefon:</source>
        <translation>Telefon:</translation>
    </message>
    <message>
        <source>Fax:</source>
        <translation>Fax:</translation>
    </message>
    <message>
        <source>E-Mail:</source>
        <translation>E-Mail:</translation>
    </message>
    <message>
        <source>Krankenkasse:</source>
        <translation>Krankenkasse:</translation>
    </message>
    <message>
        <source>Versicherten-Nr.:</source>
        <translation>Versicherten-Nr.:</translation>
    </message>
    <message>
        <source>Patienten-ID:</source>
        <translation>Patienten-ID:</translation>
    </message>
    <message>
        <source>Gewicht [kg]:</source>
        <translation>Gewicht [kg]:</translation>
    </message>
    <message>
        <source>Größe [cm]</source>
        <translation>Größe [cm]</translation>
    </message>
    <message>
        <source>Geschlecht:</source>
        <translation>Geschlecht:</translation>
    </message>
    <message>
        <source>weiblich</source>
        <translation>weiblich</translation>
    </message>
    <message>
        <source>männlich</source>
        <translation>männlich</translation>
    </message>
    <message>
        <source>Patient</source>
        <translation>Patient</translation>
    </message>
    <message>
        <source>Fehler: Patient bereits vorhanden!</source>
        <translation>Fehler: Patient bereits vorhanden!</translation>
    </message>
    <message>
        <source>Fehler: Die fettgedruckten Felder sind Pflichtfelder!</source>
        <translation>Fehler: Die fettgedruckten Felder sind Pflichtfelder!</translation>
    </message>
    <message>
        <source>Fehler: „%1“ ist kein gültiges Geburtsdatum. Bitte das Datum so eingeben: %2.</source>
        <translation>Fehler: „%1“ ist kein gültiges Geburtsdatum. Bitte das Datum so eingeben: %2.</translation>
    </message>
    <message>
        <source>Fehler: Das Geburtsdatum fehlt: Das heutige Datum gilt als nicht angegeben. Bitte das Geburtsdatum des Patienten eingeben.</source>
        <translation>Fehler: Das Geburtsdatum fehlt: Das heutige Datum gilt als nicht angegeben. Bitte das Geburtsdatum des Patienten eingeben.</translation>
    </message>
    <message>
        <source>Fehler: Das Geburtsdatum %1 ist nicht möglich: Es muss zwischen dem %2 und heute liegen.</source>
        <translation>Fehler: Das Geburtsdatum %1 ist nicht möglich: Es muss zwischen dem %2 und heute liegen.</translation>
    </message>
</context>
<context>
    <name>zud::ui::PatientModel</name>
    <message>
        <source>weiblich</source>
        <translation>weiblich</translation>
    </message>
    <message>
        <source>männlich</source>
        <translation>männlich</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Vorname</source>
        <translation>Vorname</translation>
    </message>
    <message>
        <source>Geburtstag</source>
        <translation>Geburtstag</translation>
    </message>
    <message>
        <source>PLZ</source>
        <translation>PLZ</translation>
    </message>
    <message>
        <source>Wohnort</source>
        <translation>Wohnort</translation>
    </message>
    <message>
        <source>Straße</source>
        <translation>Straße</translation>
    </message>
    <message>
        <source>Patientennummer</source>
        <translation>Patientennummer</translation>
    </message>
    <message>
        <source>Krankenkasse</source>
        <translation>Krankenkasse</translation>
    </message>
    <message>
        <source>Versicherungsnummer</source>
        <translation>Versicherungsnummer</translation>
    </message>
    <message>
        <source>Telefon</source>
        <translation>Telefon</translation>
    </message>
    <message>
        <source>Fax</source>
        <translation>Fax</translation>
    </message>
    <message>
        <source>E-Mail</source>
        <translation>E-Mail</translation>
    </message>
    <message>
        <source>Größe</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>Gewicht</source>
        <translation>Gewicht</translation>
    </message>
    <message>
        <source>Geschlecht</source>
        <translation>Geschlecht</translation>
    </message>
</context>
<context>
    <name>zud::ui::PatientSelectionWindow</name>
    <message>
        <source>Patientensuche</source>
        <translation>Patientensuche</translation>
    </message>
    <message>
        <source>Bitte Suchtext eingeben:</source>
        <translation>Bitte Suchtext eingeben:</translation>
    </message>
    <message>
        <source>Patienten</source>
        <translation>Patienten</translation>
    </message>
    <message>
        <source>Auswählen</source>
        <translation>Auswählen</translation>
    </message>
    <message>
        <source>Neu</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>Bearbeiten</source>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <source>Suchen</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Löschen</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Zurück</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Der Patient wurde inzwischen an einem anderen Arbeitsplatz gelöscht.</source>
        <translation>Der Patient wurde inzwischen an einem anderen Arbeitsplatz gelöscht.</translation>
    </message>
    <message>
        <source>Patient „%1“ wirklich löschen?</source>
        <translation>Patient „%1“ wirklich löschen?</translation>
    </message>
    <message>
        <source>Zum Patienten „%1“ sind Übungen gespeichert (Anzahl: %2). Sollen sie ebenfalls gelöscht werden?

Bei „Nein“ bleiben sie in der Datenbank, sind aber keinem Patienten mehr zugeordnet.</source>
        <translation>Zum Patienten „%1“ sind Übungen gespeichert (Anzahl: %2). Sollen sie ebenfalls gelöscht werden?

Bei „Nein“ bleiben sie in der Datenbank, sind aber keinem Patienten mehr zugeordnet.</translation>
    </message>
</context>
<context>
    <name>zud::ui::PrintPreviewWindow</name>
    <message>
        <source>Bemerkungen</source>
        <translation>Bemerkungen</translation>
    </message>
    <message>
        <source>Druckvorschau</source>
        <translation>Druckvorschau</translation>
    </message>
    <message>
        <source>Ausgabe</source>
        <translation>Ausgabe</translation>
    </message>
    <message>
        <source>Seite</source>
        <translation>Seite</translation>
    </message>
    <message>
        <source>Fenster</source>
        <translation>Fenster</translation>
    </message>
    <message>
        <source>Drucken</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>PDF</source>
        <translation>PDF</translation>
    </message>
    <message>
        <source>Eine Übung</source>
        <translation>Eine Übung</translation>
    </message>
    <message>
        <source>Zwei Übungen</source>
        <translation>Zwei Übungen</translation>
    </message>
    <message>
        <source>Zurück</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Übung1</source>
        <translation>Übung1</translation>
    </message>
    <message>
        <source>Übung2</source>
        <translation>Übung2</translation>
    </message>
    <message>
        <source>Druckvorschau als PDF speichern</source>
        <translation>Druckvorschau als PDF speichern</translation>
    </message>
</context>
<context>
    <name>zud::ui::ProgrammingWindow</name>
    <message>
        <source>Zurück</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Therapeut ändern</source>
        <translation>Therapeut ändern</translation>
    </message>
    <message>
        <source>Alle entfernen</source>
        <translation>Alle entfernen</translation>
    </message>
    <message>
        <source>Zuweisen</source>
        <translation>Zuweisen</translation>
    </message>
    <message>
        <source>Entfernen</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Speichern</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Öffnen</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Systemparameter</source>
        <translation>Systemparameter</translation>
    </message>
    <message>
        <source>Übertragen</source>
        <translation>Übertragen</translation>
    </message>
    <message>
        <source>Parameter kopieren</source>
        <translation>Parameter kopieren</translation>
    </message>
    <message>
        <source>Parameter einfügen</source>
        <translation>Parameter einfügen</translation>
    </message>
    <message>
        <source>Allgemein</source>
        <translation>Allgemein</translation>
    </message>
    <message>
        <source>Therapeut</source>
        <translation>Therapeut</translation>
    </message>
    <message>
        <source>Patient</source>
        <translation>Patient</translation>
    </message>
    <message>
        <source>Parameter</source>
        <translation>Parameter</translation>
    </message>
    <message>
        <source>Therapeuten</source>
        <translation>Therapeuten</translation>
    </message>
    <message>
        <source>Patienten</source>
        <translation>Patienten</translation>
    </message>
    <message>
        <source>Alle Übungen des Patienten löschen</source>
        <translation>Alle Übungen des Patienten löschen</translation>
    </message>
    <message>
        <source>Programm %1</source>
        <translation>Programm %1</translation>
    </message>
    <message>
        <source>Anzeigename (max. 25 Zeichen):</source>
        <translation>Anzeigename (max. 25 Zeichen):</translation>
    </message>
    <message>
        <source>Betriebsart:</source>
        <translation>Betriebsart:</translation>
    </message>
    <message>
        <source>Aktiviert</source>
        <translation>Aktiviert</translation>
    </message>
    <message>
        <source>Mittelfrequenz:</source>
        <translation>Mittelfrequenz:</translation>
    </message>
    <message>
        <source>Anspannzeit[s]:</source>
        <translation>Anspannzeit[s]:</translation>
    </message>
    <message>
        <source>Entspannzeit[s]:</source>
        <translation>Entspannzeit[s]:</translation>
    </message>
    <message>
        <source>Stromzeit[s]:</source>
        <translation>Stromzeit[s]:</translation>
    </message>
    <message>
        <source>Pausenzeit[s]:</source>
        <translation>Pausenzeit[s]:</translation>
    </message>
    <message>
        <source>Übungsdauer[1-60min,Dauer]:</source>
        <translation>Übungsdauer[1-60min,Dauer]:</translation>
    </message>
    <message>
        <source>Frequenz1[Hz]:</source>
        <translation>Frequenz1[Hz]:</translation>
    </message>
    <message>
        <source>Frequenz2[Hz]:</source>
        <translation>Frequenz2[Hz]:</translation>
    </message>
    <message>
        <source>Impulsbreite1 [40-500µs]:</source>
        <translation>Impulsbreite1 [40-500µs]:</translation>
    </message>
    <message>
        <source>Impulsbreite2 [40-500µs]:</source>
        <translation>Impulsbreite2 [40-500µs]:</translation>
    </message>
    <message>
        <source>Anschwellzeit [s]:</source>
        <translation>Anschwellzeit [s]:</translation>
    </message>
    <message>
        <source>Abschwellzeit [s]:</source>
        <translation>Abschwellzeit [s]:</translation>
    </message>
    <message>
        <source>Zeiten</source>
        <translation>Zeiten</translation>
    </message>
    <message>
        <source>Stimulations-Parameter</source>
        <translation>Stimulations-Parameter</translation>
    </message>
    <message>
        <source>Elektrodenposition</source>
        <translation>Elektrodenposition</translation>
    </message>
    <message>
        <source>Programmfolge</source>
        <translation>Programmfolge</translation>
    </message>
    <message>
        <source>Programmierung</source>
        <translation>Programmierung</translation>
    </message>
    <message>
        <source>Therapeut %1</source>
        <translation>Therapeut %1</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Vorname:</source>
        <translation>Vorname:</translation>
    </message>
    <message>
        <source>Patient %1</source>
        <translation>Patient %1</translation>
    </message>
    <message>
        <source>Keine Patientendaten</source>
        <translation>Keine Patientendaten</translation>
    </message>
    <message>
        <source>Geburtsdatum:</source>
        <translation>Geburtsdatum:</translation>
    </message>
    <message>
        <source>Position %1</source>
        <translation>Position %1</translation>
    </message>
    <message>
        <source>Parameter-Dateien (*.zud)</source>
        <translation>Parameter-Dateien (*.zud)</translation>
    </message>
    <message>
        <source>Die Datei ist keine vollständige Parameter-Datei: %1 von 36 Programmsätzen wurden übernommen, die Systemparameter nicht.</source>
        <translation>Die Datei ist keine vollständige Parameter-Datei: %1 von 36 Programmsätzen wurden übernommen, die Systemparameter nicht.</translation>
    </message>
    <message>
        <source>Alle Übungen des Patienten werden gelöscht!
Sind Sie sicher?</source>
        <translation>Alle Übungen des Patienten werden gelöscht!
Sind Sie sicher?</translation>
    </message>
    <message>
        <source>Änderungen verwerfen?</source>
        <translation>Änderungen verwerfen?</translation>
    </message>
</context>
<context>
    <name>zud::ui::ProgressChartWindow</name>
    <message>
        <source>Verlauf</source>
        <translation>Verlauf</translation>
    </message>
    <message>
        <source>Verlauf als PDF speichern</source>
        <translation>Verlauf als PDF speichern</translation>
    </message>
</context>
<context>
    <name>zud::ui::ReadoutWindow</name>
    <message>
        <source>Zurück</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Auslesen</source>
        <translation>Auslesen</translation>
    </message>
    <message>
        <source>Alle auswählen</source>
        <translation>Alle auswählen</translation>
    </message>
    <message>
        <source>Keine auswählen</source>
        <translation>Keine auswählen</translation>
    </message>
    <message>
        <source>Übungen nach dem Auslesen löschen</source>
        <translation>Übungen nach dem Auslesen löschen</translation>
    </message>
    <message>
        <source>Zuweisen</source>
        <translation>Zuweisen</translation>
    </message>
    <message>
        <source>Importieren</source>
        <translation>Importieren</translation>
    </message>
    <message>
        <source>Allgemein</source>
        <translation>Allgemein</translation>
    </message>
    <message>
        <source>Übungen</source>
        <translation>Übungen</translation>
    </message>
    <message>
        <source>Patient</source>
        <translation>Patient</translation>
    </message>
    <message>
        <source>Therapeuten</source>
        <translation>Therapeuten</translation>
    </message>
    <message>
        <source>Patienten</source>
        <translation>Patienten</translation>
    </message>
    <message>
        <source>Übungsdaten auslesen</source>
        <translation>Übungsdaten auslesen</translation>
    </message>
    <message>
        <source>Therapeut %1</source>
        <translation>Therapeut %1</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Vorname:</source>
        <translation>Vorname:</translation>
    </message>
    <message>
        <source>Keine Patientendaten</source>
        <translation>Keine Patientendaten</translation>
    </message>
    <message>
        <source>Patient %1 (%2)</source>
        <translation>Patient %1 (%2)</translation>
    </message>
    <message>
        <source>nicht zugewiesen</source>
        <translation>nicht zugewiesen</translation>
    </message>
    <message>
        <source>geb. am:</source>
        <translation>geb. am:</translation>
    </message>
    <message>
        <source>Patient %1</source>
        <translation>Patient %1</translation>
    </message>
    <message>
        <source>unvollständig</source>
        <translation>unvollständig</translation>
    </message>
    <message>
        <source>Ohne angemeldete Datenbank kann kein Patient angelegt werden.</source>
        <translation>Ohne angemeldete Datenbank kann kein Patient angelegt werden.</translation>
    </message>
    <message>
        <source>Name, Vorname und Geburtsdatum dieses Gerätepatienten sind vollständig: beim Auslesen wird er in der Datenbank gefunden oder neu angelegt. Mit „Zuweisen“ ordnen Sie ihn einem anderen Patienten zu.</source>
        <translation>Name, Vorname und Geburtsdatum dieses Gerätepatienten sind vollständig: beim Auslesen wird er in der Datenbank gefunden oder neu angelegt. Mit „Zuweisen“ ordnen Sie ihn einem anderen Patienten zu.</translation>
    </message>
    <message>
        <source>Dieser Gerätepatient hat keine Daten, die übernommen werden könnten. Wählen Sie mit „Zuweisen“ einen Patienten der Datenbank.</source>
        <translation>Dieser Gerätepatient hat keine Daten, die übernommen werden könnten. Wählen Sie mit „Zuweisen“ einen Patienten der Datenbank.</translation>
    </message>
    <message>
        <source>Ohne angemeldete Datenbank kann kein Patient zugewiesen werden.</source>
        <translation>Ohne angemeldete Datenbank kann kein Patient zugewiesen werden.</translation>
    </message>
    <message>
        <source>An Praxissoftware senden</source>
        <translation>An Praxissoftware senden</translation>
    </message>
</context>
<context>
    <name>zud::ui::RecordingModel</name>
    <message>
        <source>Datum</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Uhrzeit</source>
        <translation>Uhrzeit</translation>
    </message>
    <message>
        <source>Betriebsart</source>
        <translation>Betriebsart</translation>
    </message>
    <message>
        <source>#</source>
        <translation>#</translation>
    </message>
    <message>
        <source>Programmname</source>
        <translation>Programmname</translation>
    </message>
</context>
<context>
    <name>zud::ui::RecordingSelectionWindow</name>
    <message>
        <source>Übung wählen</source>
        <translation>Übung wählen</translation>
    </message>
    <message>
        <source>Auswählen</source>
        <translation>Auswählen</translation>
    </message>
    <message>
        <source>Löschen</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Zurück</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Übungen</source>
        <translation>Übungen</translation>
    </message>
    <message>
        <source>Übung vom %1 %2 wirklich löschen?</source>
        <translation>Übung vom %1 %2 wirklich löschen?</translation>
    </message>
</context>
<context>
    <name>zud::ui::RemarksDialog</name>
    <message>
        <source>Bemerkungen hinzufügen/ändern</source>
        <translation>Bemerkungen hinzufügen/ändern</translation>
    </message>
    <message>
        <source>Hinzufügen/Ändern</source>
        <translation>Hinzufügen/Ändern</translation>
    </message>
    <message>
        <source>Zurück</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Bemerkungen</source>
        <translation>Bemerkungen</translation>
    </message>
</context>
<context>
    <name>zud::ui::RibbonDialog</name>
    <message>
        <source>Allgemein</source>
        <translation>Allgemein</translation>
    </message>
</context>
<context>
    <name>zud::ui::SplashScreen</name>
    <message>
        <source>Begleitprogramm zum Therapiegerät ZUD12</source>
        <translation>Begleitprogramm zum Therapiegerät ZUD12</translation>
    </message>
</context>
<context>
    <name>zud::ui::StatisticsWindow</name>
    <message>
        <source>Statistik</source>
        <translation>Statistik</translation>
    </message>
    <message>
        <source>Ausgabe</source>
        <translation>Ausgabe</translation>
    </message>
    <message>
        <source>Fenster</source>
        <translation>Fenster</translation>
    </message>
    <message>
        <source>Drucken</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>PDF</source>
        <translation>PDF</translation>
    </message>
    <message>
        <source>Gesamte Statistik drucken</source>
        <translation>Gesamte Statistik drucken</translation>
    </message>
    <message>
        <source>Zusammenfassung drucken</source>
        <translation>Zusammenfassung drucken</translation>
    </message>
    <message>
        <source>Gesamte Statistik als PDF</source>
        <translation>Gesamte Statistik als PDF</translation>
    </message>
    <message>
        <source>Zusammenfassung als PDF</source>
        <translation>Zusammenfassung als PDF</translation>
    </message>
    <message>
        <source>Verlauf</source>
        <translation>Verlauf</translation>
    </message>
    <message>
        <source>Zusammenfassung</source>
        <translation>Zusammenfassung</translation>
    </message>
    <message>
        <source>Zurück</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Statistik als PDF speichern</source>
        <translation>Statistik als PDF speichern</translation>
    </message>
    <message>
        <source>Therapie-Zusammenfassung als PDF speichern</source>
        <translation>Therapie-Zusammenfassung als PDF speichern</translation>
    </message>
</context>
<context>
    <name>zud::ui::SummaryWindow</name>
    <message>
        <source>Therapie-Zusammenfassung</source>
        <translation>Therapie-Zusammenfassung</translation>
    </message>
    <message>
        <source>Therapie-Zusammenfassung als PDF speichern</source>
        <translation>Therapie-Zusammenfassung als PDF speichern</translation>
    </message>
</context>
<context>
    <name>zud::ui::SystemParametersDialog</name>
    <message>
        <source>Systemparameter</source>
        <translation>Systemparameter</translation>
    </message>
    <message>
        <source>Zurück</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Übernehmen</source>
        <translation>Übernehmen</translation>
    </message>
    <message>
        <source>Allgemein</source>
        <translation>Allgemein</translation>
    </message>
    <message>
        <source>Parameter</source>
        <translation>Parameter</translation>
    </message>
    <message>
        <source>System</source>
        <translation>System</translation>
    </message>
    <message>
        <source>EMG</source>
        <translation>EMG</translation>
    </message>
    <message>
        <source>Triggerung</source>
        <translation>Triggerung</translation>
    </message>
    <message>
        <source>Admin</source>
        <translation>Admin</translation>
    </message>
    <message>
        <source>Helligkeit:</source>
        <translation>Helligkeit:</translation>
    </message>
    <message>
        <source>Codeabfrage:</source>
        <translation>Codeabfrage:</translation>
    </message>
    <message>
        <source>Patientenauswahl:</source>
        <translation>Patientenauswahl:</translation>
    </message>
    <message>
        <source>Tastentöne:</source>
        <translation>Tastentöne:</translation>
    </message>
    <message>
        <source>Anzeige verriegeln:</source>
        <translation>Anzeige verriegeln:</translation>
    </message>
    <message>
        <source>Sprachausgabe:</source>
        <translation>Sprachausgabe:</translation>
    </message>
    <message>
        <source>CCIP-Test:</source>
        <translation>CCIP-Test:</translation>
    </message>
    <message>
        <source>EMG-Einstellung:</source>
        <translation>EMG-Einstellung:</translation>
    </message>
    <message>
        <source>EMG-Begrenzung:</source>
        <translation>EMG-Begrenzung:</translation>
    </message>
    <message>
        <source>EMG-Vertonung:</source>
        <translation>EMG-Vertonung:</translation>
    </message>
    <message>
        <source>EMG-Wert numerisch anzeigen:</source>
        <translation>EMG-Wert numerisch anzeigen:</translation>
    </message>
    <message>
        <source>EMG-Anzeige nach Strom:</source>
        <translation>EMG-Anzeige nach Strom:</translation>
    </message>
    <message>
        <source>Triggerzeitlimit [s]:</source>
        <translation>Triggerzeitlimit [s]:</translation>
    </message>
    <message>
        <source>Updaterate [s]:</source>
        <translation>Updaterate [s]:</translation>
    </message>
    <message>
        <source>Triggerbegrenzung:</source>
        <translation>Triggerbegrenzung:</translation>
    </message>
    <message>
        <source>Triggerautomatik:</source>
        <translation>Triggerautomatik:</translation>
    </message>
    <message>
        <source>Einheit Druck:</source>
        <translation>Einheit Druck:</translation>
    </message>
    <message>
        <source>Code am Gerät (4-stellig,1..9):</source>
        <translation>Code am Gerät (4-stellig,1..9):</translation>
    </message>
    <message>
        <source>Bluetooth</source>
        <translation>Bluetooth</translation>
    </message>
    <message>
        <source>Als Werkseinstellungen speichern:</source>
        <translation>Als Werkseinstellungen speichern:</translation>
    </message>
    <message>
        <source>Werkseinstellungen:</source>
        <translation>Werkseinstellungen:</translation>
    </message>
    <message>
        <source>Es werden die Programmparameter von Therapeut 1 / Patient 1 als Standard-Programme für die Werkseinstellungen gespeichert.</source>
        <translation>Es werden die Programmparameter von Therapeut 1 / Patient 1 als Standard-Programme für die Werkseinstellungen gespeichert.</translation>
    </message>
    <message>
        <source>Beim Programmieren wird das System auf Werkseinstellungen zurückgesetzt. Alle Programme werden überschrieben, die Parameter zurückgesetzt und alle Übungen gelöscht.</source>
        <translation>Beim Programmieren wird das System auf Werkseinstellungen zurückgesetzt. Alle Programme werden überschrieben, die Parameter zurückgesetzt und alle Übungen gelöscht.</translation>
    </message>
    <message>
        <source>Manuell</source>
        <translation>Manuell</translation>
    </message>
    <message>
        <source>Halbautomatisch</source>
        <translation>Halbautomatisch</translation>
    </message>
    <message>
        <source>Automatisch</source>
        <translation>Automatisch</translation>
    </message>
    <message>
        <source>Änderungen verwerfen?</source>
        <translation>Änderungen verwerfen?</translation>
    </message>
</context>
<context>
    <name>zud::ui::TherapistChangeDialog</name>
    <message>
        <source>Therapeut ändern</source>
        <translation>Therapeut ändern</translation>
    </message>
    <message>
        <source>Zurück</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Vorname:</source>
        <translation>Vorname:</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Therapeut</source>
        <translation>Therapeut</translation>
    </message>
</context>
<context>
    <name>zud::ui::UserManagerWindow</name>
    <message>
        <source>Benutzer-Verwaltung</source>
        <translation>Benutzer-Verwaltung</translation>
    </message>
    <message>
        <source>Aktion</source>
        <translation>Aktion</translation>
    </message>
    <message>
        <source>hinzufügen</source>
        <translation>hinzufügen</translation>
    </message>
    <message>
        <source>ändern</source>
        <translation>ändern</translation>
    </message>
    <message>
        <source>löschen</source>
        <translation>löschen</translation>
    </message>
    <message>
        <source>Benutzername:</source>
        <translation>Benutzername:</translation>
    </message>
    <message>
        <source>Passwort:</source>
        <translation>Passwort:</translation>
    </message>
    <message>
        <source>Benutzer:</source>
        <translation>Benutzer:</translation>
    </message>
    <message>
        <source>Benutzer hinzufügen</source>
        <translation>Benutzer hinzufügen</translation>
    </message>
    <message>
        <source>Passwort ändern</source>
        <translation>Passwort ändern</translation>
    </message>
    <message>
        <source>Benutzer löschen</source>
        <translation>Benutzer löschen</translation>
    </message>
    <message>
        <source>Datenbank-Login fehlgeschlagen</source>
        <translation>Datenbank-Login fehlgeschlagen</translation>
    </message>
    <message>
        <source>Aktion fehlgeschlagen (%1)</source>
        <translation>Aktion fehlgeschlagen (%1)</translation>
    </message>
    <message>
        <source>Datenbank prüfen</source>
        <translation>Datenbank prüfen</translation>
    </message>
    <message>
        <source>Prüft die Datenbankdatei, jede Übung mit ihrem Patienten und Gerät, die Schlüssel und die Generatoren. Ändert nichts; andere Arbeitsplätze können weiterarbeiten.</source>
        <translation>Prüft die Datenbankdatei, jede Übung mit ihrem Patienten und Gerät, die Schlüssel und die Generatoren. Ändert nichts; andere Arbeitsplätze können weiterarbeiten.</translation>
    </message>
    <message>
        <source>Die Datenbank wird geprüft …</source>
        <translation>Die Datenbank wird geprüft …</translation>
    </message>
    <message>
        <source>Die Datenbank konnte nicht geprüft werden.</source>
        <translation>Die Datenbank konnte nicht geprüft werden.</translation>
    </message>
</context>
<context>
    <name>zud::ui::ZahlFeld</name>
    <message>
        <source>Der Wert im Feld „%1“ ist ungültig. Bitte eine ganze Zahl von %2 bis %3 eingeben.</source>
        <translation>Der Wert im Feld „%1“ ist ungültig. Bitte eine ganze Zahl von %2 bis %3 eingeben.</translation>
    </message>
</context>
<context>
    <name>zud::ui::ZehntelFeld</name>
    <message>
        <source>Der Wert im Feld „%1“ ist ungültig. Bitte eine Zahl von %2 bis %3 eingeben.</source>
        <translation>Der Wert im Feld „%1“ ist ungültig. Bitte eine Zahl von %2 bis %3 eingeben.</translation>
    </message>
</context>
</TS>
