<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="de">
<context>
    <name>Anwendung</name>
    <message>
        <source>Anwendung %1</source>
        <translation>Application %1</translation>
    </message>
    <message>
        <source>unbekanntes Modell</source>
        <translation>unknown model</translation>
    </message>
    <message>
        <source>Keine gültige Anwendung: %1</source>
        <translation>Not a valid application: %1</translation>
    </message>
    <message>
        <source>Lösche Übungen...</source>
        <translation>Deleting exercises...</translation>
    </message>
    <message>
        <source>Werkszustand...</source>
        <translation>Factory state...</translation>
    </message>
</context>
<context>
    <name>Aufzeichnung</name>
    <message>
        <source>Keine Aufzeichnung: %1 Bytes, eine Aufzeichnung hat mindestens %2 (Programmkopf und Statistikblock).</source>
        <translation>Not a recording: %1 bytes; a recording has at least %2 (program header and statistics block).</translation>
    </message>
    <message>
        <source>Keine Aufzeichnung: die Betriebsart %1 hat kein Messwertformat.</source>
        <translation>Not a recording: operating mode %1 has no measurement data format.</translation>
    </message>
    <message>
        <source>Die Übung enthält keine Daten.</source>
        <translation>The exercise holds no data.</translation>
    </message>
    <message>
        <source>Die Aufzeichnung der älteren Form ist mit %1 Bytes kürzer als ihr Kopf (%2 Bytes): sie ist abgeschnitten.</source>
        <translation>The recording of the older form has %1 bytes, fewer than its header (%2 bytes): it is cut short.</translation>
    </message>
    <message>
        <source>Die Betriebsart der Zeile (BETRIEBSART %1) ist nicht die des Programmkopfs (%2).</source>
        <translation>The mode of the row (BETRIEBSART %1) is not that of the program header (%2).</translation>
    </message>
    <message>
        <source>Die Messwerte enden mitten in einem Messwert (%1 Bytes sind kein Vielfaches von %2): die Aufzeichnung ist abgeschnitten oder unvollständig.</source>
        <translation>The samples end in the middle of a sample (%1 bytes are no multiple of %2): the recording is cut short or incomplete.</translation>
    </message>
    <message>
        <source>Der Statistikblock am Ende nennt %1 Messwerte, die Aufzeichnung enthält %2: sie ist abgeschnitten oder beschädigt.</source>
        <translation>The statistics block at the end names %1 samples, the recording holds %2: it is cut short or damaged.</translation>
    </message>
</context>
<context>
    <name>Auslesen</name>
    <message>
        <source>Lade Patientendaten ...</source>
        <translation>Loading patient data ...</translation>
    </message>
    <message>
        <source>Lade Kopfdaten ...</source>
        <translation>Loading header data ...</translation>
    </message>
    <message>
        <source>Lade Kopfdaten (Therapeut %1, Patient %2) ...</source>
        <translation>Loading header data (therapist %1, patient %2) ...</translation>
    </message>
    <message>
        <source>Es sind keine Übungen gespeichert</source>
        <translation>No exercises are stored</translation>
    </message>
    <message>
        <source>Lösche Übungen (Therapeut %1, Patient %2)</source>
        <translation>Deleting exercises (therapist %1, patient %2)</translation>
    </message>
    <message>
        <source>Übertrage Übungen %1 von %2 ...</source>
        <translation>Transferring exercise %1 of %2 ...</translation>
    </message>
    <message>
        <source>kein Patient zugewiesen</source>
        <translation>no patient assigned</translation>
    </message>
    <message>
        <source>Datum oder Uhrzeit am Gerät ungültig</source>
        <translation>Invalid date or time on the device</translation>
    </message>
    <message>
        <source>in der Datenbank nicht gleich gespeichert</source>
        <translation>not stored identically in the database</translation>
    </message>
    <message>
        <source>Übertragung abgebrochen.</source>
        <translation>Transfer aborted.</translation>
    </message>
    <message>
        <source>Lösche...</source>
        <translation>Deleting...</translation>
    </message>
    <message>
        <source>Unerwarteter Fehler: %1</source>
        <translation>Unexpected error: %1</translation>
    </message>
    <message>
        <source>Unerwarteter Fehler.</source>
        <translation>Unexpected error.</translation>
    </message>
    <message>
        <source>gespeichert: %1</source>
        <translation>stored: %1</translation>
    </message>
    <message>
        <source>bereits gespeichert, übersprungen: %1</source>
        <translation>already stored, skipped: %1</translation>
    </message>
    <message>
        <source>bereits bei %1 gespeichert, übersprungen: %2</source>
        <translation>already stored under %1, skipped: %2</translation>
    </message>
    <message>
        <source>nicht übernommen: %1</source>
        <translation>not taken over: %1</translation>
    </message>
    <message>
        <source>am Gerät gelöscht: %1</source>
        <translation>deleted on the device: %1</translation>
    </message>
    <message>
        <source>am Gerät behalten, da abweichend gespeichert: %1</source>
        <translation>kept on the device, stored differently: %1</translation>
    </message>
    <message>
        <source>Therapeut %1, Patient %2</source>
        <translation>Therapist %1, patient %2</translation>
    </message>
    <message>
        <source>als neuer Patient angelegt</source>
        <translation>created as a new patient</translation>
    </message>
    <message>
        <source>Geburtsdatum am Gerät ungültig (%1): ohne Geburtsdatum gespeichert</source>
        <translation>Date of birth on the device invalid (%1): stored without a date of birth</translation>
    </message>
    <message>
        <source>Es wurde keine Übung übertragen.</source>
        <translation>No exercise was transferred.</translation>
    </message>
    <message>
        <source>Nicht übernommen:</source>
        <translation>Not taken over:</translation>
    </message>
    <message>
        <source>Therapeut %1, Patient %2, %3: %4</source>
        <translation>Therapist %1, patient %2, %3: %4</translation>
    </message>
</context>
<context>
    <name>Austausch</name>
    <message>
        <source>Der Vorgang wurde abgebrochen.</source>
        <translation>The operation was cancelled.</translation>
    </message>
    <message>
        <source>Die Archivdatei kann nicht gelesen werden: %1</source>
        <translation>The archive file cannot be read: %1</translation>
    </message>
    <message>
        <source>Die Datei ist kein gültiges Archiv: %1</source>
        <translation>The file is not a valid archive: %1</translation>
    </message>
    <message>
        <source>Die zu packende Datei fehlt: %1</source>
        <translation>The file to be packed is missing: %1</translation>
    </message>
    <message>
        <source>Die Datei ist für ein Archiv zu groß: %1</source>
        <translation>The file is too large for an archive: %1</translation>
    </message>
    <message>
        <source>Das Archiv kann nicht geschrieben werden: %1</source>
        <translation>The archive cannot be written: %1</translation>
    </message>
    <message>
        <source>Das Archiv kann nicht angelegt werden: %1</source>
        <translation>The archive cannot be created: %1</translation>
    </message>
    <message>
        <source>Das Archiv enthält die Datei „%1“ nicht: %2</source>
        <translation>The archive does not contain the file “%1”: %2</translation>
    </message>
    <message>
        <source>Das Archiv ist beschädigt oder unvollständig: %1</source>
        <translation>The archive is damaged or incomplete: %1</translation>
    </message>
    <message>
        <source>%1 von %2 Bytes entpackt</source>
        <translation>%1 of %2 bytes extracted</translation>
    </message>
    <message>
        <source>Das Sicherungsprogramm der Datenbank wurde nicht gefunden: %1</source>
        <translation>The database&apos;s backup tool was not found: %1</translation>
    </message>
    <message>
        <source>Im Arbeitsordner kann keine Datei angelegt werden: %1</source>
        <translation>No file can be created in the work folder: %1</translation>
    </message>
    <message>
        <source>gbak endete mit dem Status %1</source>
        <translation>gbak ended with status %1</translation>
    </message>
    <message>
        <source>gbak wurde abgebrochen</source>
        <translation>gbak was aborted</translation>
    </message>
    <message>
        <source>Die Datensicherung der Datenbank ist fehlgeschlagen.</source>
        <translation>The database backup failed.</translation>
    </message>
    <message>
        <source>Die Sicherungsdatei fehlt oder ist leer.</source>
        <translation>The backup file is missing or empty.</translation>
    </message>
    <message>
        <source>Die Wiederherstellung der Datenbank ist fehlgeschlagen.</source>
        <translation>Restoring the database failed.</translation>
    </message>
    <message>
        <source>Die Zieldatenbank enthält die Tabellen dieses Programms nicht.</source>
        <translation>The target database does not contain this program&apos;s tables.</translation>
    </message>
    <message>
        <source>Der Patient %1 ist im Archiv nicht enthalten.</source>
        <translation>Patient %1 is not contained in the archive.</translation>
    </message>
    <message>
        <source>Der Patient „%1“ konnte nicht übernommen werden; die %2 Patienten davor wurden übernommen.
%3</source>
        <translation>The patient “%1” could not be transferred; the %2 patients before were transferred.
%3</translation>
    </message>
    <message>
        <source>Es ist kein Patient ausgewählt.</source>
        <translation>No patient is selected.</translation>
    </message>
    <message>
        <source>Exportieren</source>
        <translation>Export</translation>
    </message>
    <message>
        <source>Den Patienten %1 gibt es in der Datenbank nicht (mehr).</source>
        <translation>Patient %1 does not exist in the database (any more).</translation>
    </message>
    <message>
        <source>Datenbank Packen</source>
        <translation>Packing database</translation>
    </message>
    <message>
        <source>Die Datei gibt es nicht: %1</source>
        <translation>The file does not exist: %1</translation>
    </message>
    <message>
        <source>Die Datei ist kein Archiv von ZUD-Software: %1</source>
        <translation>The file is not a ZUD-Software archive: %1</translation>
    </message>
    <message>
        <source>Datenbank Entpacken</source>
        <translation>Unpacking database</translation>
    </message>
    <message>
        <source>Das Archiv enthält keine Patientendaten von ZUD-Software: %1
%2</source>
        <translation>The archive contains no ZUD-Software patient data: %1
%2</translation>
    </message>
    <message>
        <source>Importieren</source>
        <translation>Import</translation>
    </message>
    <message>
        <source>Datenbank sichern</source>
        <translation>Back up database</translation>
    </message>
    <message>
        <source>Die Datenbank kann nur auf dem Rechner des Datenbankservers wiederhergestellt werden.</source>
        <translation>The database can only be restored on the computer of the database server.</translation>
    </message>
    <message>
        <source>Die Datei ist keine Datensicherung von ZUD-Software: %1</source>
        <translation>The file is not a ZUD-Software backup: %1</translation>
    </message>
    <message>
        <source>Datenbank wiederherstellen</source>
        <translation>Restore database</translation>
    </message>
    <message>
        <source>Die Datei enthält keine Datensicherung der Datenbank von ZUD-Software: %1</source>
        <translation>The file contains no backup of the ZUD-Software database: %1</translation>
    </message>
    <message>
        <source>Die Datenbank ist noch %1-mal geöffnet (an anderen Arbeitsplätzen oder in diesem Programm). Beenden Sie dort ZUD-Software und versuchen Sie es erneut.</source>
        <translation>The database is still open %1 time(s) (at other workstations or in this program). Close ZUD-Software there and try again.</translation>
    </message>
    <message>
        <source>Die Daten der Vorgängerversion werden nur in eine Datenbank ohne Patienten übernommen.</source>
        <translation>Data of the previous version are only transferred into a database without patients.</translation>
    </message>
    <message>
        <source>Konvertiere alte Datei-Struktur</source>
        <translation>Converting old file structure</translation>
    </message>
    <message>
        <source>Erzeuge neue Datei-Struktur</source>
        <translation>Creating new file structure</translation>
    </message>
    <message>
        <source>Importieren...</source>
        <translation>Importing...</translation>
    </message>
    <message>
        <source>Es ist kein Archiv geöffnet.</source>
        <translation>No archive is open.</translation>
    </message>
    <message>
        <source>Die Datenbank ist noch geöffnet (an anderen Arbeitsplätzen oder in diesem Programm). Beenden Sie dort ZUD-Software und versuchen Sie es erneut.</source>
        <translation>The database is still open (at other workstations or in this program). Close ZUD-Software there and try again.</translation>
    </message>
    <message>
        <source>Die Datenbank konnte nicht durch die wiederhergestellte ersetzt werden: %1 (%2). Die Datenbank ist unverändert. Stellen Sie die Sicherung als Benutzer wieder her, der in diesem Ordner Dateien ändern darf (zum Beispiel mit zudctl restore).</source>
        <translation>The database could not be replaced by the restored one: %1 (%2). The database is unchanged. Restore the backup as a user who may change files in this folder (for example with zudctl restore).</translation>
    </message>
    <message>
        <source>Der Arbeitsordner kann nicht angelegt werden: %1</source>
        <translation>The work folder cannot be created: %1</translation>
    </message>
    <message>
        <source>Kein Platz auf %1. Schaffen Sie dort Platz und versuchen Sie es erneut.</source>
        <translation>No space left on %1. Free some space there and try again.</translation>
    </message>
    <message>
        <source>Im Arbeitsordner kann nicht geschrieben werden: %1</source>
        <translation>Cannot write to the work folder: %1</translation>
    </message>
    <message>
        <source>Im Arbeitsordner kann kein Ordner angelegt werden: %1 (%2)</source>
        <translation>A folder cannot be created in the work folder: %1 (%2)</translation>
    </message>
</context>
<context>
    <name>Berichte</name>
    <message>
        <source>Entspannen</source>
        <translation>Relax</translation>
    </message>
    <message>
        <source>Anspannen</source>
        <translation>Contract</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Strom</source>
        <translation>Current</translation>
    </message>
    <message>
        <source>Druck</source>
        <translation>Pressure</translation>
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
        <translation>Relax CH1</translation>
    </message>
    <message>
        <source>Anspannen CH1</source>
        <translation>Contract CH1</translation>
    </message>
    <message>
        <source>Entspannen CH2</source>
        <translation>Relax CH2</translation>
    </message>
    <message>
        <source>Anspannen CH2</source>
        <translation>Contract CH2</translation>
    </message>
    <message>
        <source>Haltedauer</source>
        <translation>Hold time</translation>
    </message>
    <message>
        <source>Basisdruck</source>
        <translation>Base pressure</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Surname</translation>
    </message>
    <message>
        <source>Vorname</source>
        <translation>First name</translation>
    </message>
    <message>
        <source>Geburtstag</source>
        <translation>Birthday</translation>
    </message>
    <message>
        <source>Patientennummer</source>
        <translation>Patient number</translation>
    </message>
    <message>
        <source>Datum</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Uhrzeit</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>Betriebsart</source>
        <translation>Mode</translation>
    </message>
    <message>
        <source>Übungslänge</source>
        <translation>Exercise length</translation>
    </message>
    <message>
        <source>Patientendaten</source>
        <translation>Patient data</translation>
    </message>
    <message>
        <source>Übung</source>
        <translation>Exercise</translation>
    </message>
    <message>
        <source>Statistik</source>
        <translation>Statistics</translation>
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
        <translation>Program name</translation>
    </message>
    <message>
        <source>Seite</source>
        <translation>Page</translation>
    </message>
    <message>
        <source>Druckdatum</source>
        <translation>Print date</translation>
    </message>
    <message>
        <source>Gerät</source>
        <translation>Device</translation>
    </message>
    <message>
        <source>Seriennummer</source>
        <translation>Serial number</translation>
    </message>
    <message>
        <source>Therapieanfang</source>
        <translation>Therapy start</translation>
    </message>
    <message>
        <source>Therapieende</source>
        <translation>Therapy end</translation>
    </message>
    <message>
        <source>Anzahl Behandlungen</source>
        <translation>Number of treatments</translation>
    </message>
    <message>
        <source>Ø Behandlungsdauer</source>
        <translation>Ø treatment duration</translation>
    </message>
    <message>
        <source>Therapietreue</source>
        <translation>Adherence</translation>
    </message>
    <message>
        <source>Therapie-Zusammenfassung</source>
        <translation>Therapy summary</translation>
    </message>
    <message>
        <source>Geburtsdatum</source>
        <translation>Date of birth</translation>
    </message>
    <message>
        <source>Straße</source>
        <translation>Street</translation>
    </message>
    <message>
        <source>PLZ</source>
        <translation>Postcode</translation>
    </message>
    <message>
        <source>Ort</source>
        <translation>Town</translation>
    </message>
    <message>
        <source>Krankenkasse</source>
        <translation>Health insurer</translation>
    </message>
    <message>
        <source>SV-Nummer</source>
        <translation>Insurance number</translation>
    </message>
    <message>
        <source>Therapiedaten</source>
        <translation>Therapy data</translation>
    </message>
    <message>
        <source>Die PDF-Datei konnte nicht erzeugt werden: %1</source>
        <translation>The PDF file could not be created: %1</translation>
    </message>
    <message>
        <source>Verlauf</source>
        <translation>Progress</translation>
    </message>
    <message>
        <source>geb.</source>
        <translation>born</translation>
    </message>
    <message>
        <source>Zeitraum</source>
        <translation>Period</translation>
    </message>
    <message>
        <source>keine programmierte Übungsdauer</source>
        <translation>no programmed exercise duration</translation>
    </message>
</context>
<context>
    <name>Berichtsausgabe</name>
    <message>
        <source>PDF-Dateien (*.pdf)</source>
        <translation>PDF files (*.pdf)</translation>
    </message>
    <message>
        <source>Der Druck ist fehlgeschlagen. Bitte prüfen Sie den Drucker und versuchen Sie es noch einmal.</source>
        <translation>Printing failed. Please check the printer and try again.</translation>
    </message>
</context>
<context>
    <name>Betriebsart</name>
    <message>
        <source>EMG-Biofeedback</source>
        <translation>EMG biofeedback</translation>
    </message>
    <message>
        <source>ES-Elektrostimulation</source>
        <translation>ES electrical stimulation</translation>
    </message>
    <message>
        <source>Biofeedback+Elektrostim.</source>
        <translation>Biofeedback+electrical stim.</translation>
    </message>
    <message>
        <source>EMG-gesteuerte Elektrostim.      </source>
        <translation>EMG-controlled electrical stim.      </translation>
    </message>
    <message>
        <source>Druck</source>
        <translation>Pressure</translation>
    </message>
    <message>
        <source>Training Druck</source>
        <translation>Pressure training</translation>
    </message>
    <message>
        <source>1-kanalig EMG + Druck</source>
        <translation>1-channel EMG + pressure</translation>
    </message>
    <message>
        <source>2-kanalig EMG + Druck</source>
        <translation>2-channel EMG + pressure</translation>
    </message>
    <message>
        <source>Programmfolge</source>
        <translation>Program sequence</translation>
    </message>
    <message>
        <source>2-kanalig EMG</source>
        <translation>2-channel EMG</translation>
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
        <translation>EMG(1)+pressure</translation>
    </message>
    <message>
        <source>EMG(2)+Druck</source>
        <translation>EMG(2)+pressure</translation>
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
        <translation>Cannot write file: %1 (%2)</translation>
    </message>
    <message>
        <source>kein Platz mehr auf dem Datenträger</source>
        <translation>no space left on the disk</translation>
    </message>
    <message>
        <source>keine Berechtigung für diesen Ordner</source>
        <translation>no permission for this folder</translation>
    </message>
    <message>
        <source>ein Ordner dieses Namens ist im Weg</source>
        <translation>a folder of this name is in the way</translation>
    </message>
    <message>
        <source>der Ordner existiert nicht</source>
        <translation>the folder does not exist</translation>
    </message>
    <message>
        <source>ein Teil des Pfades ist kein Ordner</source>
        <translation>part of the path is not a folder</translation>
    </message>
    <message>
        <source>der Datenträger ist schreibgeschützt</source>
        <translation>the disk is write-protected</translation>
    </message>
    <message>
        <source>der Name ist zu lang</source>
        <translation>the name is too long</translation>
    </message>
    <message>
        <source>Ein-/Ausgabefehler des Datenträgers</source>
        <translation>disk input/output error</translation>
    </message>
</context>
<context>
    <name>Datenbank</name>
    <message>
        <source>Der Datenbankserver ist nicht erreichbar. Prüfen Sie, ob der Server läuft und ob Servername und Port (SQLServer3, RemoteServicePort3) stimmen.</source>
        <translation>The database server cannot be reached. Check that the server is running and that the server name and port (SQLServer3, RemoteServicePort3) are correct.</translation>
    </message>
    <message>
        <source>Benutzername oder Passwort ist falsch.</source>
        <translation>Incorrect user name or password.</translation>
    </message>
    <message>
        <source>Diesem Benutzer fehlt die Berechtigung für diesen Vorgang.</source>
        <translation>This user does not have permission for this operation.</translation>
    </message>
    <message>
        <source>Die Datei ist keine Datenbank dieses Programms oder sie ist beschädigt. Stellen Sie die letzte Datensicherung wieder her.</source>
        <translation>The file is not a database of this program, or it is damaged. Restore the most recent backup.</translation>
    </message>
    <message>
        <source>Keine Berechtigung für den Sperr-Ordner der Datenbank (FIREBIRD_LOCK). Der Benutzer braucht dort Schreibrecht.</source>
        <translation>No permission for the database lock folder (FIREBIRD_LOCK). The user needs write access there.</translation>
    </message>
    <message>
        <source>Auf dem Datenträger der Datenbank ist kein Platz mehr. Schaffen Sie Platz und versuchen Sie es erneut.</source>
        <translation>There is no space left on the database disk. Free up space and try again.</translation>
    </message>
    <message>
        <source>Keine Berechtigung für die Datenbankdatei oder ihren Ordner. Der Benutzer braucht Lese- und Schreibrecht auf beide.</source>
        <translation>No permission for the database file or its folder. The user needs read and write access to both.</translation>
    </message>
    <message>
        <source>Die Datenbank wurde nicht gefunden. Prüfen Sie den Datenbankordner (Einstellung SQLDir3).</source>
        <translation>The database was not found. Check the database folder (setting SQLDir3).</translation>
    </message>
    <message>
        <source>Die Datenbankdatei wird gerade von einem anderen Programm benutzt. Beenden Sie das andere Programm oder verwenden Sie einen Datenbankserver für mehrere Arbeitsplätze.</source>
        <translation>The database file is currently in use by another program. Close the other program or use a database server for multiple workstations.</translation>
    </message>
    <message>
        <source>Ein Text ist länger, als sein Feld in der Datenbank erlaubt.</source>
        <translation>A text is longer than its database field allows.</translation>
    </message>
    <message>
        <source>Dem Benutzer fehlt die Rolle „Benutzer“ in der Datenbank.</source>
        <translation>The user does not have the “Benutzer” role in the database.</translation>
    </message>
    <message>
        <source>Keine Verbindung zur Datenbank.</source>
        <translation>No connection to the database.</translation>
    </message>
    <message>
        <source>Fehler der Datenbank.</source>
        <translation>Database error.</translation>
    </message>
    <message>
        <source>Fehler beim Öffnen der Datenbank. (%1)</source>
        <translation>Error opening the database. (%1)</translation>
    </message>
    <message>
        <source>Ungültiger Benutzername: nur Buchstaben, Ziffern und _ (höchstens 31 Zeichen, zuerst ein Buchstabe).</source>
        <translation>Invalid user name: only letters, digits and _ (at most 31 characters, starting with a letter).</translation>
    </message>
    <message>
        <source>Die Benutzerverwaltung braucht einen Datenbankserver (Einstellung SQLServer3); das eingebettete Datenbanksystem prüft keine Passwörter.</source>
        <translation>User management requires a database server (setting SQLServer3); the embedded database system does not check passwords.</translation>
    </message>
    <message>
        <source>Das Passwort darf nicht leer sein.</source>
        <translation>The password must not be empty.</translation>
    </message>
    <message>
        <source>Fehler: Die fettgedruckten Felder sind Pflichtfelder!</source>
        <translation>Error: The fields in bold are mandatory!</translation>
    </message>
    <message>
        <source>Fehler: Das Geburtsdatum muss zwischen dem 01.01.1900 und heute liegen!</source>
        <translation>Error: The date of birth must be between 1 January 1900 and today!</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Surname</translation>
    </message>
    <message>
        <source>Vorname</source>
        <translation>First name</translation>
    </message>
    <message>
        <source>Patienten-ID</source>
        <translation>Patient ID</translation>
    </message>
    <message>
        <source>Krankenkasse</source>
        <translation>Health insurer</translation>
    </message>
    <message>
        <source>Versicherten-Nr.</source>
        <translation>Insurance No.</translation>
    </message>
    <message>
        <source>Wohnort</source>
        <translation>City</translation>
    </message>
    <message>
        <source>Straße</source>
        <translation>Street</translation>
    </message>
    <message>
        <source>PLZ</source>
        <translation>Postcode</translation>
    </message>
    <message>
        <source>Telefon</source>
        <translation>Phone</translation>
    </message>
    <message>
        <source>Fax</source>
        <translation>Fax</translation>
    </message>
    <message>
        <source>E-Mail</source>
        <translation>Email</translation>
    </message>
    <message>
        <source>Größe</source>
        <translation>Height</translation>
    </message>
    <message>
        <source>Gewicht</source>
        <translation>Weight</translation>
    </message>
    <message>
        <source>Fehler: Der Text im Feld „%1“ ist länger als %2 Zeichen.</source>
        <translation>Error: The text in the field “%1” is longer than %2 characters.</translation>
    </message>
    <message>
        <source>Fehler: Patient bereits vorhanden!</source>
        <translation>Error: Patient already exists!</translation>
    </message>
    <message>
        <source>Die Aufzeichnung ist unvollständig (kein Programmkopf).</source>
        <translation>The recording is incomplete (no program header).</translation>
    </message>
    <message>
        <source>Der Datensatz wird gerade an einem anderen Arbeitsplatz bearbeitet oder wurde dort soeben geändert. Ihre Änderung wurde nicht gespeichert. Bitte laden Sie die Liste neu und versuchen Sie es noch einmal.</source>
        <translation>The record is being edited at another workstation right now or was just changed there. Your change was not saved. Please reload the list and try again.</translation>
    </message>
    <message>
        <source>Ein Text enthält ein Zeichen, das der Zeichensatz dieser Datenbank nicht speichern kann. Ersetzen Sie das Zeichen und versuchen Sie es noch einmal.</source>
        <translation>A text contains a character that the character set of this database cannot store. Replace the character and try again.</translation>
    </message>
    <message>
        <source>Der Zeichensatz der Datenbank oder der Einstellung SQLCodePage3 wird nicht unterstützt.</source>
        <translation>The character set of the database or of the setting SQLCodePage3 is not supported.</translation>
    </message>
    <message>
        <source>Der Patient wurde inzwischen an einem anderen Arbeitsplatz gelöscht. Bitte laden Sie die Liste neu.</source>
        <translation>The patient has meanwhile been deleted at another workstation. Please reload the list.</translation>
    </message>
    <message>
        <source>Patient %1 gelöscht, mit seinen Übungen (%2).</source>
        <translation>Patient %1 deleted, with his exercises (%2).</translation>
    </message>
    <message>
        <source>Patient %1 gelöscht; er hatte keine Übungen.</source>
        <translation>Patient %1 deleted; he had no exercises.</translation>
    </message>
    <message>
        <source>Patient %1 gelöscht; seine Übungen bleiben ohne Patient in der Datenbank (%2): %3</source>
        <translation>Patient %1 deleted; his exercises remain in the database without a patient (%2): %3</translation>
    </message>
    <message>
        <source>Datei kann nicht kopiert werden: %1</source>
        <translation>Cannot copy file: %1</translation>
    </message>
    <message>
        <source>Datei kann nicht geschrieben werden: %1</source>
        <translation>Cannot write file: %1</translation>
    </message>
    <message>
        <source>Die Verbindung zum Datenbankserver wäre nicht verschlüsselt. Patientendaten gehen nur verschlüsselt über das Netz: Stellen Sie auf dem Server WireCrypt = Required ein (zudctl server-setup --system).</source>
        <translation>The connection to the database server would not be encrypted. Patient data cross the network only encrypted: set WireCrypt = Required on the server (zudctl server-setup --system).</translation>
    </message>
    <message>
        <source>Der Datenbankserver „%1“ (Port %2) ist nicht erreichbar. Prüfen Sie, ob der Server läuft, ob dieser Arbeitsplatz ihn im Netz erreicht und ob Servername und Port (SQLServer3, RemoteServicePort3) stimmen.
(%3)</source>
        <translation>The database server “%1” (port %2) cannot be reached. Check that the server is running, that this workstation reaches it over the network and that the server name and port (SQLServer3, RemoteServicePort3) are correct.
(%3)</translation>
    </message>
    <message>
        <source>Die Übung ist nicht mehr vorhanden; sie wurde inzwischen gelöscht (auch an einem anderen Arbeitsplatz oder mit ihrem Patienten). Es wurde nichts geändert.</source>
        <translation>The exercise no longer exists; it has been deleted in the meantime (possibly at another workstation or together with its patient). Nothing was changed.</translation>
    </message>
    <message>
        <source>Der Tabelle %1 fehlt ihr Primärschlüssel auf %2: ein Schlüssel kann doppelt vorkommen.</source>
        <translation>Table %1 has no primary key on %2: a key may occur twice.</translation>
    </message>
    <message>
        <source>Der Schlüssel %1 = %2 kommt in der Tabelle %3 %4-mal vor.</source>
        <translation>The key %1 = %2 occurs %4 times in table %3.</translation>
    </message>
    <message>
        <source>Der Generator %1 fehlt: neue Zeilen der Tabelle %2 bekommen keinen Schlüssel.</source>
        <translation>The generator %1 is missing: new rows of table %2 get no key.</translation>
    </message>
    <message>
        <source>Der Generator %1 steht auf %2, der größte Schlüssel %3 in %4 ist aber %5: neue Zeilen bekämen Schlüssel, die es schon gibt.</source>
        <translation>The generator %1 stands at %2, but the largest key %3 in %4 is %5: new rows would get keys that already exist.</translation>
    </message>
    <message>
        <source>Datenbank geprüft (Übungen: %1, Patienten: %2, Geräte: %3).</source>
        <translation>Database checked (exercises: %1, patients: %2, devices: %3).</translation>
    </message>
    <message>
        <source>Keine Probleme gefunden.</source>
        <translation>No problems found.</translation>
    </message>
    <message>
        <source>Probleme: %1.</source>
        <translation>Problems: %1.</translation>
    </message>
    <message>
        <source>Hinweis von Firebird (kein Schaden: nach einem unerwarteten Ende eines Programms bleiben Seiten belegt, die nichts enthalten; eine Datensicherung mit Wiederherstellung gibt sie frei): %1.</source>
        <translation>Note from Firebird (no damage: after a program ended unexpectedly, pages stay allocated that hold nothing; a backup followed by a restore frees them): %1.</translation>
    </message>
    <message>
        <source>Andere Arbeitsplätze waren angemeldet: Firebird hat Tabellen und Indizes geprüft, aber nicht die Verwaltungsseiten der Datei. Die vollständige Prüfung läuft, wenn niemand angemeldet ist.</source>
        <translation>Other workstations were logged in: Firebird checked the tables and indices, but not the file&apos;s administrative pages. The full check runs when nobody is logged in.</translation>
    </message>
    <message>
        <source>Die Prüfung der Datenbank wurde abgebrochen.</source>
        <translation>The database check was cancelled.</translation>
    </message>
    <message>
        <source>Firebird konnte die Tabelle %1 nicht prüfen: ein angemeldeter Arbeitsplatz hat sie in einer noch offenen Transaktion geändert. Prüfen Sie noch einmal, wenn alle Arbeitsplätze abgemeldet sind.</source>
        <translation>Firebird could not check table %1: a logged-in workstation has changed it in a transaction that is still open. Check again when all workstations have logged out.</translation>
    </message>
    <message>
        <source>Firebird meldet einen Fehler in der Datenbankdatei: %1</source>
        <translation>Firebird reports an error in the database file: %1</translation>
    </message>
    <message>
        <source>Die Gerätenummer %1 (GERAETEID) ist in QALGERAETE %2-mal vergeben: ihre Übungen gehören zu keinem eindeutigen Gerät.</source>
        <translation>The device number %1 (GERAETEID) is given %2 times in QALGERAETE: its exercises belong to no single device.</translation>
    </message>
    <message>
        <source>Übung %1: %2</source>
        <translation>Exercise %1: %2</translation>
    </message>
    <message>
        <source>Die Daten können nicht gelesen werden (%1).</source>
        <translation>The data cannot be read (%1).</translation>
    </message>
    <message>
        <source>Die Übung gehört zu keinem Patienten (PATIENT ist leer).</source>
        <translation>The exercise belongs to no patient (PATIENT is empty).</translation>
    </message>
    <message>
        <source>Der Patient %1 fehlt in der Patiententabelle: die Übung erscheint bei keinem Patienten. Ordnen Sie sie einem Patienten zu (zudctl db move %2 PATIENT).</source>
        <translation>Patient %1 is missing from the patient table: the exercise appears under no patient. Assign it to a patient (zudctl db move %2 PATIENT).</translation>
    </message>
    <message>
        <source>Das Gerät %1 (TYP) fehlt in der Gerätetabelle QALGERAETE.</source>
        <translation>Device %1 (TYP) is missing from the device table QALGERAETE.</translation>
    </message>
    <message>
        <source>Die Übung ist doppelt gespeichert: Patient, Datum, Uhrzeit und Daten gleichen Übung %1.</source>
        <translation>The exercise is stored twice: patient, date, time and data are those of exercise %1.</translation>
    </message>
    <message>
        <source>Die Tabellen können nicht vollständig gelesen werden: %1</source>
        <translation>The tables cannot be read completely: %1</translation>
    </message>
    <message>
        <source>Die Verbindung zum Datenbankserver „%1“ (Port %2) ist abgebrochen; der Vorgang wurde nicht abgeschlossen und nichts davon halb gespeichert. Prüfen Sie, ob der Server läuft. Sobald er wieder erreichbar ist, verbindet sich das Programm bei der nächsten Aktion neu; wiederholen Sie dann den Vorgang.</source>
        <translation>The connection to the database server “%1” (port %2) broke off; the operation was not completed and nothing of it was stored by halves. Check that the server is running. As soon as it can be reached again, the program connects anew at the next action; then repeat the operation.</translation>
    </message>
    <message>
        <source>Der Datenbankserver „%1“ (Port %2) ist nicht erreichbar. Prüfen Sie, ob der Server läuft, ob dieser Arbeitsplatz ihn im Netz erreicht und ob Servername und Port (SQLServer3, RemoteServicePort3) stimmen.</source>
        <translation>The database server “%1” (port %2) cannot be reached. Check that the server is running, that this workstation reaches it over the network and that the server name and port (SQLServer3, RemoteServicePort3) are correct.</translation>
    </message>
    <message>
        <source>Kein Platz auf %1: Der Datenträger der Datenbank ist voll. Schaffen Sie dort Platz und versuchen Sie es erneut.</source>
        <translation>No space left on %1: the database’s disk is full. Free some space there and try again.</translation>
    </message>
</context>
<context>
    <name>DrawChart</name>
    <message>
        <source>Druck</source>
        <translation>Pressure</translation>
    </message>
</context>
<context>
    <name>EdfExport</name>
    <message>
        <source>Entspannen</source>
        <translation>Relax</translation>
    </message>
    <message>
        <source>Anspannen</source>
        <translation>Contract</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Strom</source>
        <translation>Current</translation>
    </message>
    <message>
        <source>Phase %1</source>
        <translation>Phase %1</translation>
    </message>
    <message>
        <source>Die Übung enthält keine Messwerte, die als EDF+ exportiert werden können.</source>
        <translation>The exercise contains no measured values that can be exported as EDF+.</translation>
    </message>
    <message>
        <source>Datei kann nicht geschrieben werden: %1</source>
        <translation>Cannot write file: %1</translation>
    </message>
    <message>
        <source>Die EDF+-Datei %1 konnte nicht geschrieben werden.</source>
        <translation>The EDF+ file %1 could not be written.</translation>
    </message>
</context>
<context>
    <name>Gdt</name>
    <message>
        <source>Zeile %1: %2</source>
        <translation>Line %1: %2</translation>
    </message>
    <message>
        <source>Die GDT-Datei ist leer.</source>
        <translation>The GDT file is empty.</translation>
    </message>
    <message>
        <source>Die GDT-Datei ist zu groß für einen Satz.</source>
        <translation>The GDT file is too large for one record.</translation>
    </message>
    <message>
        <source>Die Zeile endet nicht mit CR LF (Datei unvollständig?).</source>
        <translation>The line does not end with CR LF (incomplete file?).</translation>
    </message>
    <message>
        <source>Die Zeile hat nicht die Form Länge, Feldkennung, Inhalt.</source>
        <translation>The line does not have the form length, field ID, content.</translation>
    </message>
    <message>
        <source>Die Zeilenlänge %1 stimmt nicht (tatsächlich %2 Zeichen).</source>
        <translation>The line length %1 is wrong (actually %2 characters).</translation>
    </message>
    <message>
        <source>Die Zeile enthält ein CR.</source>
        <translation>The line contains a CR.</translation>
    </message>
    <message>
        <source>Der Satz beginnt nicht mit der Satzart (Feld 8000).</source>
        <translation>The record does not begin with the record type (field 8000).</translation>
    </message>
    <message>
        <source>Die Satzart ist keine vierstellige Zahl.</source>
        <translation>The record type is not a four-digit number.</translation>
    </message>
    <message>
        <source>Die Datei enthält mehr als einen Satz.</source>
        <translation>The file contains more than one record.</translation>
    </message>
    <message>
        <source>Die Satzlänge (Feld 8100) fehlt.</source>
        <translation>The record length (field 8100) is missing.</translation>
    </message>
    <message>
        <source>Die Satzlänge %1 stimmt nicht mit der Dateigröße %2 überein.</source>
        <translation>The record length %1 does not match the file size %2.</translation>
    </message>
    <message>
        <source>Unbekannter Zeichensatz „%1“.</source>
        <translation>Unknown character set “%1”.</translation>
    </message>
    <message>
        <source>Die GDT-Version (Feld 9218) fehlt.</source>
        <translation>The GDT version (field 9218) is missing.</translation>
    </message>
    <message>
        <source>Die GDT-Version „%1“ wird nicht unterstützt (2.x oder 3.x).</source>
        <translation>The GDT version “%1” is not supported (2.x or 3.x).</translation>
    </message>
    <message>
        <source>Die Datei ist an „%1“ gerichtet, nicht an „%2“.</source>
        <translation>The file is addressed to “%1”, not to “%2”.</translation>
    </message>
    <message>
        <source>Das Zeichen „%1“ in Feld %2 („%3“) kann im gewählten GDT-Zeichensatz nicht übertragen werden. Bitte wählen Sie in den Einstellungen einen anderen Zeichensatz oder ändern Sie den Text.</source>
        <translation>The character “%1” in field %2 (“%3”) cannot be transferred in the chosen GDT character set. Please choose another character set in the settings or change the text.</translation>
    </message>
    <message>
        <source>Der Inhalt von Feld %1 ist zu lang für eine GDT-Zeile.</source>
        <translation>The content of field %1 is too long for a GDT line.</translation>
    </message>
    <message>
        <source>Der GDT-Satz ist länger als 99999 Zeichen.</source>
        <translation>The GDT record is longer than 99999 characters.</translation>
    </message>
    <message>
        <source>Die Satzart %1 wird nicht angenommen (6301, 6302 oder 6311).</source>
        <translation>The record type %1 is not accepted (6301, 6302 or 6311).</translation>
    </message>
    <message>
        <source>Der Dateiverweis „%1“ zeigt aus dem GDT-Austauschordner hinaus.</source>
        <translation>The file reference “%1” points outside the GDT exchange folder.</translation>
    </message>
    <message>
        <source>Das Geburtsdatum „%1“ ist kein Datum (TTMMJJJJ).</source>
        <translation>The birth date “%1” is not a date (DDMMYYYY).</translation>
    </message>
    <message>
        <source>Die Anfrage nennt weder eine Patientennummer (3000) noch Name und Vorname.</source>
        <translation>The request names neither a patient number (3000) nor surname and first name.</translation>
    </message>
    <message>
        <source>Das Datum der Untersuchung (Feld 6200) fehlt oder ist ungültig.</source>
        <translation>The date of the examination (field 6200) is missing or invalid.</translation>
    </message>
    <message>
        <source>Die Uhrzeit der Untersuchung (Feld 6201) fehlt oder ist ungültig.</source>
        <translation>The time of the examination (field 6201) is missing or invalid.</translation>
    </message>
    <message>
        <source>Die GDT-Datei %1 wurde abgelehnt: %2 Sie konnte nicht in den Ordner „fehler“ verschoben werden; bitte entfernen Sie sie von Hand.</source>
        <translation>The GDT file %1 was refused: %2 It could not be moved to the folder “fehler”; please remove it by hand.</translation>
    </message>
    <message>
        <source>Die GDT-Datei %1 wurde abgelehnt und in den Ordner „fehler“ verschoben: %2</source>
        <translation>The GDT file %1 was refused and moved to the folder “fehler”: %2</translation>
    </message>
    <message>
        <source>Die GDT-Datei %1 kann nicht gelesen werden: %2</source>
        <translation>The GDT file %1 cannot be read: %2</translation>
    </message>
    <message>
        <source>Praxissoftware: Die Übung vom %1 um %2 von %3 ist nicht gespeichert.</source>
        <translation>Practice software: the exercise of %1 at %2 of %3 is not stored.</translation>
    </message>
    <message>
        <source>Praxissoftware: Patient %1 wurde angelegt.</source>
        <translation>Practice software: patient %1 was created.</translation>
    </message>
    <message>
        <source>Praxissoftware: Patient %1 ausgewählt.</source>
        <translation>Practice software: patient %1 selected.</translation>
    </message>
    <message>
        <source>Betriebsart</source>
        <translation>Mode</translation>
    </message>
    <message>
        <source>Übungslänge</source>
        <translation>Exercise length</translation>
    </message>
    <message>
        <source>%1 Mittelwert</source>
        <translation>%1 mean</translation>
    </message>
    <message>
        <source>%1 Minimum</source>
        <translation>%1 minimum</translation>
    </message>
    <message>
        <source>%1 Maximum</source>
        <translation>%1 maximum</translation>
    </message>
    <message>
        <source>Haltedauer</source>
        <translation>Hold time</translation>
    </message>
    <message>
        <source>Basisdruck</source>
        <translation>Base pressure</translation>
    </message>
    <message>
        <source>Die Übung gehört zu keinem gespeicherten Patienten.</source>
        <translation>The exercise belongs to no stored patient.</translation>
    </message>
    <message>
        <source>Bericht der Übung vom %1</source>
        <translation>Report of the exercise of %1</translation>
    </message>
    <message>
        <source>Im GDT-Austauschordner liegen 999 unabgeholte Ergebnisdateien. Bitte prüfen Sie, ob die Praxissoftware sie abholt.</source>
        <translation>There are 999 result files in the GDT exchange folder that have not been collected. Please check whether the practice software collects them.</translation>
    </message>
    <message>
        <source>Bitte geben Sie den GDT-Austauschordner an.</source>
        <translation>Please specify the GDT exchange folder.</translation>
    </message>
    <message>
        <source>Der GDT-Austauschordner „%1“ ist nicht vorhanden. Bitte legen Sie ihn an oder wählen Sie einen anderen.</source>
        <translation>The GDT exchange folder “%1” does not exist. Please create it or choose another one.</translation>
    </message>
    <message>
        <source>Die GDT-Kennungen müssen 1 bis 8 Buchstaben oder Ziffern lang sein.</source>
        <translation>The GDT IDs must be 1 to 8 letters or digits long.</translation>
    </message>
    <message>
        <source>Die eigene GDT-Kennung und die der Praxissoftware müssen sich unterscheiden.</source>
        <translation>The own GDT ID and that of the practice software must differ.</translation>
    </message>
    <message>
        <source>Der Untersuchungscode ist zu lang.</source>
        <translation>The examination code is too long.</translation>
    </message>
    <message>
        <source>Die Praxissoftware hat das vorige Ergebnis (%1) noch nicht abgeholt. Bitte lassen Sie es dort einlesen oder stellen Sie in den GDT-Einstellungen nummerierte Ergebnisdateien ein.</source>
        <translation>The practice software has not collected the previous result (%1) yet. Please have it imported there, or switch to numbered result files in the GDT settings.</translation>
    </message>
    <message>
        <source>Die Datei ist nicht vorhanden.</source>
        <translation>The file does not exist.</translation>
    </message>
    <message>
        <source>Sie ist keine GDT-Datei (sie beginnt nicht mit dem Feld 8000) oder größer als eine Anfrage sein kann.</source>
        <translation>It is not a GDT file (it does not begin with field 8000) or is larger than a request can be.</translation>
    </message>
</context>
<context>
    <name>Geraet</name>
    <message>
        <source>die Schnittstelle ist nicht vorhanden (Kabel eingesteckt?)</source>
        <translation>the port does not exist (is the cable plugged in?)</translation>
    </message>
    <message>
        <source>keine Berechtigung: der Benutzer muss Mitglied der Gruppe dialout sein (danach neu anmelden)</source>
        <translation>no permission: the user must be a member of the group dialout (log in again afterwards)</translation>
    </message>
    <message>
        <source>die Schnittstelle wird von einem anderen Programm benutzt</source>
        <translation>the port is in use by another program</translation>
    </message>
    <message>
        <source>das ist keine serielle Schnittstelle</source>
        <translation>this is not a serial port</translation>
    </message>
    <message>
        <source>Schnittstelle kann nicht geöffnet werden</source>
        <translation>Cannot open the port</translation>
    </message>
    <message>
        <source>&apos;%1&apos; ist kein gültiger Integerwert</source>
        <translation>&apos;%1&apos; is not a valid integer value</translation>
    </message>
    <message>
        <source>Kein Gerät erkannt!</source>
        <translation>No device detected!</translation>
    </message>
    <message>
        <source>Die Firmware am Gerät unterstützt diese Funktion nicht!</source>
        <translation>The device firmware does not support this function!</translation>
    </message>
    <message>
        <source>Während der Kommunikation ist ein Fehler aufgetreten!</source>
        <translation>An error occurred during communication!</translation>
    </message>
    <message>
        <source>Gerät wird nicht unterstützt</source>
        <translation>Device not supported</translation>
    </message>
    <message>
        <source>ZUD12 Typ %1</source>
        <translation>ZUD12 Type %1</translation>
    </message>
</context>
<context>
    <name>Login</name>
    <message>
        <source>Benutzer</source>
        <translation>User</translation>
    </message>
</context>
<context>
    <name>Phasengruppen</name>
    <message>
        <source>Entspannen</source>
        <translation>Relax</translation>
    </message>
    <message>
        <source>Anspannen</source>
        <translation>Contract</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Strom</source>
        <translation>Current</translation>
    </message>
    <message>
        <source>Druck</source>
        <translation>Pressure</translation>
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
        <translation>Relax CH1</translation>
    </message>
    <message>
        <source>Anspannen CH1</source>
        <translation>Contract CH1</translation>
    </message>
    <message>
        <source>Entspannen CH2</source>
        <translation>Relax CH2</translation>
    </message>
    <message>
        <source>Anspannen CH2</source>
        <translation>Contract CH2</translation>
    </message>
</context>
<context>
    <name>Programmierung</name>
    <message>
        <source>Dauerbetrieb</source>
        <translation>Continuous</translation>
    </message>
    <message>
        <source>%1min</source>
        <translation>%1min</translation>
    </message>
    <message>
        <source>Einige Texte konnten nicht in die eingestellte Sprache des Gerätes konvertiert werden. Überprüfen Sie die Anzeige!</source>
        <translation>Some texts could not be converted into the language set on the device. Please check the display!</translation>
    </message>
    <message>
        <source>Lade Systemparameter ...</source>
        <translation>Loading system parameters ...</translation>
    </message>
    <message>
        <source>Lade Therapeutendaten ...</source>
        <translation>Loading therapist data ...</translation>
    </message>
    <message>
        <source>Laden abgebrochen.</source>
        <translation>Loading cancelled.</translation>
    </message>
    <message>
        <source>Datei kann nicht gelesen werden: %1 (%2)</source>
        <translation>File cannot be read: %1 (%2)</translation>
    </message>
    <message>
        <source>Es ist ein anderes Gerät angeschlossen als beim Laden (S/N %1). Bitte die Programmierung neu starten.</source>
        <translation>Another device is connected than the one loaded (S/N %1). Please start the programming again.</translation>
    </message>
    <message>
        <source>Lösche Übungen (Therapeut %1, Patient %2)</source>
        <translation>Deleting exercises (therapist %1, patient %2)</translation>
    </message>
    <message>
        <source>Werkszustand</source>
        <translation>Factory state</translation>
    </message>
    <message>
        <source>Werkseinstellungen abgebrochen: die Übungen von %1 Patienten wurden gelöscht, das Gerät behält seine Programme.</source>
        <translation>Factory settings cancelled: the exercises of %1 patients were deleted; the device keeps its programs.</translation>
    </message>
    <message>
        <source>Übertrage Programme ...</source>
        <translation>Transferring programs ...</translation>
    </message>
    <message>
        <source>Übertragen abgebrochen: %1 Dateien wurden übertragen. Die übrigen Änderungen überträgt das nächste „Übertragen“.</source>
        <translation>Transfer cancelled: %1 files were transferred. The next “Transfer” sends the remaining changes.</translation>
    </message>
</context>
<context>
    <name>Ribbon</name>
    <message>
        <source>Dieser Befehl ist deaktiviert.</source>
        <translation>This command is disabled.</translation>
    </message>
</context>
<context>
    <name>Rohdaten</name>
    <message>
        <source>Entspannen</source>
        <translation>Relax</translation>
    </message>
    <message>
        <source>Anspannen</source>
        <translation>Contract</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Strom</source>
        <translation>Current</translation>
    </message>
</context>
<context>
    <name>Statistik</name>
    <message>
        <source>Einkanalig</source>
        <translation>Single channel</translation>
    </message>
    <message>
        <source>Zweikanalig</source>
        <translation>Two channels</translation>
    </message>
    <message>
        <source>EMG-gesteuert</source>
        <translation>EMG-triggered</translation>
    </message>
    <message>
        <source>Druck</source>
        <translation>Pressure</translation>
    </message>
    <message>
        <source>Training Druck</source>
        <translation>Pressure training</translation>
    </message>
    <message>
        <source>Nr</source>
        <translation>No.</translation>
    </message>
    <message>
        <source>Datum</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Uhrzeit</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>Programmname</source>
        <translation>Program name</translation>
    </message>
    <message>
        <source>Betriebsart</source>
        <translation>Mode</translation>
    </message>
    <message>
        <source>Übungslänge</source>
        <translation>Exercise length</translation>
    </message>
    <message>
        <source>Entspannen min</source>
        <translation>Relax min</translation>
    </message>
    <message>
        <source>Entspannen max</source>
        <translation>Relax max</translation>
    </message>
    <message>
        <source>Entspannen Ø</source>
        <translation>Relax Ø</translation>
    </message>
    <message>
        <source>Anspannen min</source>
        <translation>Contract min</translation>
    </message>
    <message>
        <source>Anspannen max</source>
        <translation>Contract max</translation>
    </message>
    <message>
        <source>Anspannen Ø</source>
        <translation>Contract Ø</translation>
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
        <translation>Current min</translation>
    </message>
    <message>
        <source>Strom max</source>
        <translation>Current max</translation>
    </message>
    <message>
        <source>Strom Ø</source>
        <translation>Current Ø</translation>
    </message>
    <message>
        <source>Entspannen min CH1</source>
        <translation>Relax min CH1</translation>
    </message>
    <message>
        <source>Entspannen max CH1</source>
        <translation>Relax max CH1</translation>
    </message>
    <message>
        <source>Entspannen Ø CH1</source>
        <translation>Relax Ø CH1</translation>
    </message>
    <message>
        <source>Anspannen min CH1</source>
        <translation>Contract min CH1</translation>
    </message>
    <message>
        <source>Anspannen max CH1</source>
        <translation>Contract max CH1</translation>
    </message>
    <message>
        <source>Anspannen Ø CH1</source>
        <translation>Contract Ø CH1</translation>
    </message>
    <message>
        <source>Entspannen min CH2</source>
        <translation>Relax min CH2</translation>
    </message>
    <message>
        <source>Entspannen max CH2</source>
        <translation>Relax max CH2</translation>
    </message>
    <message>
        <source>Entspannen Ø CH2</source>
        <translation>Relax Ø CH2</translation>
    </message>
    <message>
        <source>Anspannen min CH2</source>
        <translation>Contract min CH2</translation>
    </message>
    <message>
        <source>Anspannen max CH2</source>
        <translation>Contract max CH2</translation>
    </message>
    <message>
        <source>Anspannen Ø CH2</source>
        <translation>Contract Ø CH2</translation>
    </message>
    <message>
        <source>Druck min</source>
        <translation>Pressure min</translation>
    </message>
    <message>
        <source>Druck max</source>
        <translation>Pressure max</translation>
    </message>
    <message>
        <source>Druck Ø</source>
        <translation>Pressure Ø</translation>
    </message>
    <message>
        <source>max. Haltedauer</source>
        <translation>max. hold time</translation>
    </message>
    <message>
        <source>Basisdruck</source>
        <translation>Base pressure</translation>
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
        <translation>no exercises stored</translation>
    </message>
    <message>
        <source>keine Übung mit fester Übungsdauer über 2 min</source>
        <translation>no exercise with a fixed duration over 2 min</translation>
    </message>
    <message>
        <source>nicht hinterlegt</source>
        <translation>not recorded</translation>
    </message>
    <message>
        <source>nicht hinterlegt („%1“ ist keine Seriennummer)</source>
        <translation>not recorded (“%1” is not a serial number)</translation>
    </message>
</context>
<context>
    <name>zud::ui::ApplicationChangeWindow</name>
    <message>
        <source>Anwendung wechseln</source>
        <translation>Change application</translation>
    </message>
    <message>
        <source>Zurück</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>Wechseln</source>
        <translation>Change</translation>
    </message>
    <message>
        <source>Allgemein</source>
        <translation>General</translation>
    </message>
    <message>
        <source>Anwendung</source>
        <translation>Application</translation>
    </message>
    <message>
        <source>Anwendungen:</source>
        <translation>Applications:</translation>
    </message>
    <message>
        <source>Firmware-Version</source>
        <translation>Firmware version</translation>
    </message>
    <message>
        <source>Firmware-Datum</source>
        <translation>Firmware date</translation>
    </message>
    <message>
        <source>Lösche Übungen...</source>
        <translation>Deleting exercises...</translation>
    </message>
    <message>
        <source>Werkszustand</source>
        <translation>Factory state</translation>
    </message>
    <message>
        <source>%1 (aktiv)</source>
        <translation>%1 (active)</translation>
    </message>
    <message>
        <source>Die aktive Anwendung des Gerätes.</source>
        <translation>The device’s active application.</translation>
    </message>
    <message>
        <source>%1 (nicht freigeschaltet)</source>
        <translation>%1 (not unlocked)</translation>
    </message>
    <message>
        <source>Das Gerät meldet diese Anwendung nicht als freigeschaltet.</source>
        <translation>The device does not report this application as unlocked.</translation>
    </message>
    <message>
        <source>Aktive Anwendung</source>
        <translation>Active application</translation>
    </message>
    <message>
        <source>keine</source>
        <translation>none</translation>
    </message>
    <message>
        <source>Freigeschaltet</source>
        <translation>Unlocked</translation>
    </message>
    <message>
        <source>Das Gerät wird auf die Anwendung „%1“ umgestellt. Hierdurch werden alle Übungen und Patienten auf dem Gerät gelöscht und das Gerät auf Werkseinstellungen zurückgesetzt; die Datenbank bleibt unverändert. Übungen, die noch nicht ausgelesen wurden, gehen verloren.

Möchten Sie fortfahren?</source>
        <translation>The device will be switched to the application “%1”. This deletes all exercises and patients on the device and resets the device to its factory settings; the database stays unchanged. Exercises that have not been read out are lost.

Do you want to continue?</translation>
    </message>
    <message>
        <source>Vorher auslesen</source>
        <translation>Read out first</translation>
    </message>
    <message>
        <source>Das Gerät meldet die Anwendung „%1“ nicht als freigeschaltet. Ohne Freischaltung kann das Gerät nach dem Wechsel womöglich keine Übungen ausführen, bis wieder auf eine freigeschaltete Anwendung gewechselt wird.

Trotzdem wechseln?</source>
        <translation>The device does not report the application “%1” as unlocked. Without unlocking, the device may be unable to run exercises after the switch until it is switched back to an unlocked application.

Switch anyway?</translation>
    </message>
</context>
<context>
    <name>zud::ui::ChartFrame</name>
    <message>
        <source>Diese Übung enthält keine darstellbaren Messwerte.</source>
        <translation>This exercise contains no values that can be shown.</translation>
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
        <translation>Last access</translation>
    </message>
    <message>
        <source>Geburtsdatum</source>
        <translation>Date of birth</translation>
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
        <translation>Date</translation>
    </message>
    <message>
        <source>Uhrzeit</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>Übungslänge</source>
        <translation>Exercise length</translation>
    </message>
    <message>
        <source>bereits gespeichert</source>
        <translation>already stored</translation>
    </message>
    <message>
        <source>Datenbank</source>
        <translation>Database</translation>
    </message>
    <message>
        <source>gleiche Uhrzeit bei %1</source>
        <translation>same time: %1</translation>
    </message>
</context>
<context>
    <name>zud::ui::ExchangeForm</name>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>zud::ui::ExchangeProgress</name>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>zud::ui::ExportWindow</name>
    <message>
        <source>Daten exportieren</source>
        <translation>Export data</translation>
    </message>
    <message>
        <source>Exportieren</source>
        <translation>Export</translation>
    </message>
    <message>
        <source>Zurück</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Export</translation>
    </message>
    <message>
        <source>Archive</source>
        <translation>Archives</translation>
    </message>
    <message>
        <source>Die Daten wurden exportiert (Patienten: %1) in die Datei:
%2</source>
        <translation>The data were exported (patients: %1) to the file:
%2</translation>
    </message>
</context>
<context>
    <name>zud::ui::GdtSettingsDialog</name>
    <message>
        <source>GDT-Einstellungen</source>
        <translation>GDT settings</translation>
    </message>
    <message>
        <source>Verbindung zur Praxissoftware (GDT) aktiv</source>
        <translation>Connection to the practice software (GDT) active</translation>
    </message>
    <message>
        <source>Durchsuchen…</source>
        <translation>Browse…</translation>
    </message>
    <message>
        <source>GDT-Austauschordner</source>
        <translation>GDT exchange folder</translation>
    </message>
    <message>
        <source>Austauschordner:</source>
        <translation>Exchange folder:</translation>
    </message>
    <message>
        <source>Eigene GDT-ID:</source>
        <translation>Own GDT ID:</translation>
    </message>
    <message>
        <source>GDT-ID der Praxissoftware:</source>
        <translation>GDT ID of the practice software:</translation>
    </message>
    <message>
        <source>Version:</source>
        <translation>Version:</translation>
    </message>
    <message>
        <source>7 Bit (DIN 66003)</source>
        <translation>7 bit (DIN 66003)</translation>
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
        <translation>Character set:</translation>
    </message>
    <message>
        <source>Untersuchungscode (8402):</source>
        <translation>Examination code (8402):</translation>
    </message>
    <message>
        <source>Ergebnisse nach dem Auslesen und nach dem Speichern einer Echtzeitmessung automatisch senden</source>
        <translation>Send results automatically after reading exercises and after saving a real-time measurement</translation>
    </message>
    <message>
        <source>Berichtsseite als PDF mitsenden</source>
        <translation>Include the report page as PDF</translation>
    </message>
    <message>
        <source>Ergebnisdateien nummerieren (.001, .002, …)</source>
        <translation>Number the result files (.001, .002, …)</translation>
    </message>
</context>
<context>
    <name>zud::ui::ImportWindow</name>
    <message>
        <source>Daten importieren</source>
        <translation>Import data</translation>
    </message>
    <message>
        <source>Archiv öffnen</source>
        <translation>Open archive</translation>
    </message>
    <message>
        <source>Importieren</source>
        <translation>Import</translation>
    </message>
    <message>
        <source>Zurück</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Import</translation>
    </message>
    <message>
        <source>Archive</source>
        <translation>Archives</translation>
    </message>
    <message>
        <source>Die Daten wurden importiert (Patienten: %1) aus der Datei:
%2</source>
        <translation>The data were imported (patients: %1) from the file:
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
        <translation>Program</translation>
    </message>
    <message>
        <source>Zeit</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>Zyklus</source>
        <translation>Cycle</translation>
    </message>
    <message>
        <source>Im Zielbereich</source>
        <translation>On target</translation>
    </message>
    <message>
        <source>kein Patient gewählt</source>
        <translation>no patient chosen</translation>
    </message>
    <message>
        <source>%1 von %2</source>
        <translation>%1 of %2</translation>
    </message>
    <message>
        <source>Wert</source>
        <translation>Value</translation>
    </message>
    <message>
        <source>Strom</source>
        <translation>Current</translation>
    </message>
    <message>
        <source>Druck</source>
        <translation>Pressure</translation>
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
        <translation>%1%</translation>
    </message>
    <message>
        <source>Ziel: über der Schwelle</source>
        <translation>Target: above the threshold</translation>
    </message>
    <message>
        <source>Ziel: unter der Schwelle</source>
        <translation>Target: below the threshold</translation>
    </message>
    <message>
        <source>Dauerbetrieb</source>
        <translation>Continuous</translation>
    </message>
    <message>
        <source>Gesamtdauer: %1</source>
        <translation>Total: %1</translation>
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
        <translation>User:</translation>
    </message>
    <message>
        <source>Passwort:</source>
        <translation>Password:</translation>
    </message>
    <message>
        <source>Diesen Login immer benutzen</source>
        <translation>Always use this login</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>zud::ui::MainWindow</name>
    <message>
        <source>Gebrauchsanweisung</source>
        <translation>User manual</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>About</translation>
    </message>
    <message>
        <source>Software-Update</source>
        <translation>Software update</translation>
    </message>
    <message>
        <source>Beenden</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>Programmieren</source>
        <translation>Program</translation>
    </message>
    <message>
        <source>Übungen auslesen</source>
        <translation>Read exercises</translation>
    </message>
    <message>
        <source>Echtzeit Start</source>
        <translation>Start real-time</translation>
    </message>
    <message>
        <source>Echtzeit Stop</source>
        <translation>Stop real-time</translation>
    </message>
    <message>
        <source>Anwendung wechseln</source>
        <translation>Change application</translation>
    </message>
    <message>
        <source>Aktualisieren</source>
        <translation>Refresh</translation>
    </message>
    <message>
        <source>Anschluss</source>
        <translation>Connection</translation>
    </message>
    <message>
        <source>Baudrate</source>
        <translation>Baud rate</translation>
    </message>
    <message>
        <source>Patienten</source>
        <translation>Patients</translation>
    </message>
    <message>
        <source>Patient hinzufügen</source>
        <translation>Add patient</translation>
    </message>
    <message>
        <source>Patient löschen</source>
        <translation>Delete patient</translation>
    </message>
    <message>
        <source>Statistik</source>
        <translation>Statistics</translation>
    </message>
    <message>
        <source>Übung laden</source>
        <translation>Load exercise</translation>
    </message>
    <message>
        <source>Übung löschen</source>
        <translation>Delete exercise</translation>
    </message>
    <message>
        <source>Übung speichern</source>
        <translation>Save exercise</translation>
    </message>
    <message>
        <source>Bemerkung hinzufügen/ändern</source>
        <translation>Add/edit note</translation>
    </message>
    <message>
        <source>Druckvorschau</source>
        <translation>Print preview</translation>
    </message>
    <message>
        <source>Als PDF exportieren</source>
        <translation>Export as PDF</translation>
    </message>
    <message>
        <source>Daten Exportieren</source>
        <translation>Export data</translation>
    </message>
    <message>
        <source>Daten Importieren</source>
        <translation>Import data</translation>
    </message>
    <message>
        <source>Datenbank sichern</source>
        <translation>Back up database</translation>
    </message>
    <message>
        <source>Datenbank wiederherstellen</source>
        <translation>Restore database</translation>
    </message>
    <message>
        <source>Rohdaten exportieren</source>
        <translation>Export raw data</translation>
    </message>
    <message>
        <source>Rohdaten der angezeigten Datei in eine CSV-Datei exportieren.</source>
        <translation>Export the raw data of the displayed file to a CSV file.</translation>
    </message>
    <message>
        <source>Login</source>
        <translation>Log in</translation>
    </message>
    <message>
        <source>Logout</source>
        <translation>Log out</translation>
    </message>
    <message>
        <source>Passwort ändern</source>
        <translation>Change password</translation>
    </message>
    <message>
        <source>DB-Manager</source>
        <translation>DB-Manager</translation>
    </message>
    <message>
        <source>Patienten/Übungen verbergen</source>
        <translation>Hide patients/exercises</translation>
    </message>
    <message>
        <source>Patienten/Übungen anzeigen</source>
        <translation>Show patients/exercises</translation>
    </message>
    <message>
        <source>Alle Übungen anordnen</source>
        <translation>Arrange all exercises</translation>
    </message>
    <message>
        <source>Liniendiagramm</source>
        <translation>Line chart</translation>
    </message>
    <message>
        <source>Flächendiagramm</source>
        <translation>Area chart</translation>
    </message>
    <message>
        <source>Gitterlinien X-Achse +</source>
        <translation>X-axis gridlines +</translation>
    </message>
    <message>
        <source>Gitterlinien X-Achse -</source>
        <translation>X-axis gridlines -</translation>
    </message>
    <message>
        <source>Gitterlinien Y-Achse +</source>
        <translation>Y-axis gridlines +</translation>
    </message>
    <message>
        <source>Gitterlinien Y-Achse -</source>
        <translation>Y-axis gridlines -</translation>
    </message>
    <message>
        <source>Zuschneiden</source>
        <translation>Crop</translation>
    </message>
    <message>
        <source>Übernehmen</source>
        <translation>Apply</translation>
    </message>
    <message>
        <source>Verwerfen</source>
        <translation>Discard</translation>
    </message>
    <message>
        <source>Sprache</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>Allgemein</source>
        <translation>General</translation>
    </message>
    <message>
        <source>Kommunikation</source>
        <translation>Communication</translation>
    </message>
    <message>
        <source>Übungen</source>
        <translation>Exercises</translation>
    </message>
    <message>
        <source>Daten</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Ansicht</source>
        <translation>View</translation>
    </message>
    <message>
        <source>Programm</source>
        <translation>Program</translation>
    </message>
    <message>
        <source>Gitterlinien</source>
        <translation>Gridlines</translation>
    </message>
    <message>
        <source>Druck-Einheit</source>
        <translation>Pressure unit</translation>
    </message>
    <message>
        <source>Dieser Befehl ist deaktiviert.</source>
        <translation>This command is disabled.</translation>
    </message>
    <message>
        <source>Persönliche Benutzerkonten setzen einen Datenbankserver voraus. Mit der eingebetteten Datenbank wird jeder Name ohne Passwortprüfung angenommen.</source>
        <translation>Personal user accounts require a database server. With the embedded database, any name is accepted without a password check.</translation>
    </message>
    <message>
        <source>Passwort ändern fehlgeschlagen (%1)</source>
        <translation>Failed to change password (%1)</translation>
    </message>
    <message>
        <source>Es ist kein Update-Server eingerichtet.</source>
        <translation>No update server is configured.</translation>
    </message>
    <message>
        <source>Updateinformationen können nicht geladen werden. Bitte überprüfen Sie die Internetverbindung.</source>
        <translation>Unable to load update information. Please check your Internet connection.</translation>
    </message>
    <message>
        <source>Eine neue Programmversion (%1) von ZUD-Software ist verfügbar. Möchten Sie diese herunterladen?</source>
        <translation>A new version (%1) of ZUD-Software is available. Would you like to download it?</translation>
    </message>
    <message>
        <source>Die Anwendung ist bereits auf dem neuesten Stand.</source>
        <translation>The application is already up to date.</translation>
    </message>
    <message>
        <source>Zuletzt verwendet</source>
        <translation>Recently used</translation>
    </message>
    <message>
        <source>Alle Patienten</source>
        <translation>All patients</translation>
    </message>
    <message>
        <source>auswählen...</source>
        <translation>select...</translation>
    </message>
    <message>
        <source>Alle Übungen</source>
        <translation>All exercises</translation>
    </message>
    <message>
        <source>CSV-Dateien (*.csv)</source>
        <translation>CSV files (*.csv)</translation>
    </message>
    <message>
        <source>Es gibt Echtzeit-Aufnahmen, die noch nicht gespeichert sind (Anzahl: %1). Sie gehen verloren. Trotzdem fortfahren?</source>
        <translation>There are live recordings that have not been saved yet (number: %1). They will be lost. Continue anyway?</translation>
    </message>
    <message>
        <source>Backups (*.bak3)</source>
        <translation>Backups (*.bak3)</translation>
    </message>
    <message>
        <source>Patienten- und Messdaten werden von den gesicherten Daten ersetzt. Möchten Sie fortfahren?</source>
        <translation>Patient and measurement data will be replaced by the backed-up data. Do you want to continue?</translation>
    </message>
    <message>
        <source>Möchten Sie die Daten aus der Vorgängerversion übernehmen?</source>
        <translation>Would you like to take over the data from the previous version?</translation>
    </message>
    <message>
        <source>Importieren</source>
        <translation>Import</translation>
    </message>
    <message>
        <source>Die Echtzeitmessung wurde beendet: das Gerät sendet keine Daten mehr.</source>
        <translation>The real-time measurement has ended: the device sends no more data.</translation>
    </message>
    <message>
        <source>Das Gerät hat die Echtzeitmessung nicht gestartet.</source>
        <translation>The device did not start the real-time measurement.</translation>
    </message>
    <message>
        <source>Lesen Sie mit „Übungen auslesen“ (Strg+R) die Übungen des Geräts ein, oder wählen Sie unter „Patienten“ einen Patienten und öffnen Sie eine seiner Übungen.</source>
        <translation>Read the device&apos;s exercises with “Read exercises” (Ctrl+R), or choose a patient under “Patients” and open one of his exercises.</translation>
    </message>
    <message>
        <source>Rohdaten gespeichert: %1</source>
        <translation>Raw data saved: %1</translation>
    </message>
    <message>
        <source>Diese Echtzeit-Aufnahme (%1) ist noch nicht gespeichert und geht verloren. Trotzdem schließen?</source>
        <translation>This live recording (%1) has not been saved yet and will be lost. Close anyway?</translation>
    </message>
    <message>
        <source>Übung vom %1 wirklich löschen?</source>
        <translation>Really delete the exercise of %1?</translation>
    </message>
    <message>
        <source>Beim letzten Programmende waren Echtzeit-Aufnahmen nicht gespeichert (Anzahl: %1). Sie wurden aufbewahrt und sind als „*Neu“ geöffnet: Wählen Sie einen Patienten und speichern Sie sie.</source>
        <translation>Live recordings were not saved when the program last ended (number: %1). They were kept and are open as “*Neu”: choose a patient and save them.</translation>
    </message>
    <message>
        <source>Ton</source>
        <translation>Tone</translation>
    </message>
    <message>
        <source>Ton während der Echtzeitmessung: Er erklingt, solange der Messwert in Anspannphasen über und in Entspannphasen unter der Schwelle liegt.</source>
        <translation>Tone during the real-time measurement: it sounds while the measured value is above the threshold in contract phases and below it in relax phases.</translation>
    </message>
    <message>
        <source>Kein Audioausgabegerät gefunden: Der Ton der Echtzeitmessung bleibt stumm.</source>
        <translation>No audio output device found: the tone of the real-time measurement stays silent.</translation>
    </message>
    <message>
        <source>Lautstärke</source>
        <translation>Volume</translation>
    </message>
    <message>
        <source>Lautstärke des Tons: %1 %</source>
        <translation>Tone volume: %1%</translation>
    </message>
    <message>
        <source>Die Datenbank wurde gesichert in die Datei:
%1</source>
        <translation>The database was backed up to the file:
%1</translation>
    </message>
    <message>
        <source>Übung schließen</source>
        <translation>Close exercise</translation>
    </message>
    <message>
        <source>Sonstige Einstellungen</source>
        <translation>Other settings</translation>
    </message>
    <message>
        <source>Übung als PDF speichern</source>
        <translation>Save exercise as PDF</translation>
    </message>
    <message>
        <source>An Praxissoftware senden</source>
        <translation>Send to practice software</translation>
    </message>
    <message>
        <source>Als EDF+ exportieren</source>
        <translation>Export as EDF+</translation>
    </message>
    <message>
        <source>Alle Übungen als EDF+ exportieren</source>
        <translation>Export all exercises as EDF+</translation>
    </message>
    <message>
        <source>GDT-Einstellungen</source>
        <translation>GDT settings</translation>
    </message>
    <message>
        <source>Praxissoftware</source>
        <translation>Practice software</translation>
    </message>
    <message>
        <source>Ergebnis an die Praxissoftware gesendet: %1</source>
        <translation>Result sent to the practice software: %1</translation>
    </message>
    <message>
        <source>Das Ergebnis konnte nicht an die Praxissoftware gesendet werden: %1</source>
        <translation>The result could not be sent to the practice software: %1</translation>
    </message>
    <message>
        <source>EDF+-Dateien (*.edf)</source>
        <translation>EDF+ files (*.edf)</translation>
    </message>
    <message>
        <source>Ordner für die EDF+-Dateien</source>
        <translation>Folder for the EDF+ files</translation>
    </message>
    <message>
        <source>%1 Übung(en) als EDF+ gespeichert: %2</source>
        <translation>%1 exercise(s) saved as EDF+: %2</translation>
    </message>
    <message>
        <source>%1 (nicht gefunden)</source>
        <translation>%1 (not found)</translation>
    </message>
    <message>
        <source>Die Datenbank wurde wiederhergestellt aus der Datei:
%1</source>
        <translation>The database was restored from the file:
%1</translation>
    </message>
    <message>
        <source>Die Echtzeit-Aufnahme für %1 speichern?</source>
        <translation>Save the real-time recording for %1?</translation>
    </message>
    <message numerus="yes">
        <source>Übertragen: %n Dateien</source>
        <translation>
            <numerusform>Transferred: %n file</numerusform>
            <numerusform>Transferred: %n files</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 Ergebnisse an die Praxissoftware gesendet: %2</source>
        <translation>%1 results sent to the practice software: %2</translation>
    </message>
    <message>
        <source>Von %1 Ergebnissen wurden %2 an die Praxissoftware gesendet, die übrigen nicht: %3</source>
        <translation>Of %1 results, %2 were sent to the practice software, the others were not: %3</translation>
    </message>
    <message>
        <source>Erneut verbinden</source>
        <translation>Connect again</translation>
    </message>
    <message>
        <source>Die Verbindung zum Datenbankserver neu aufbauen, etwa nachdem der Server neu gestartet wurde.</source>
        <translation>Re-establish the connection to the database server, for example after the server was restarted.</translation>
    </message>
    <message>
        <source>Die Verbindung zum Datenbankserver steht wieder.</source>
        <translation>The connection to the database server is established again.</translation>
    </message>
</context>
<context>
    <name>zud::ui::MoveRecordingDialog</name>
    <message>
        <source>Verschieben</source>
        <translation>Move</translation>
    </message>
    <message>
        <source>Verschieben von Messung:</source>
        <translation>Move recording:</translation>
    </message>
    <message>
        <source>Von Patient:</source>
        <translation>From patient:</translation>
    </message>
    <message>
        <source>Zu Patient:</source>
        <translation>To patient:</translation>
    </message>
    <message>
        <source>Nicht mehr anzeigen</source>
        <translation>Do not show again</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>zud::ui::NewPasswordDialog</name>
    <message>
        <source>Passwort ändern</source>
        <translation>Change password</translation>
    </message>
    <message>
        <source>Neues Passwort:</source>
        <translation>New password:</translation>
    </message>
    <message>
        <source>Neues Passwort wiederholen:</source>
        <translation>Confirm new password:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>zud::ui::OutputWindow</name>
    <message>
        <source>Ausgabe</source>
        <translation>Output</translation>
    </message>
    <message>
        <source>Fenster</source>
        <translation>Window</translation>
    </message>
    <message>
        <source>Drucken</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>PDF</source>
        <translation>PDF</translation>
    </message>
    <message>
        <source>Zurück</source>
        <translation>Back</translation>
    </message>
</context>
<context>
    <name>zud::ui::PatientDialog</name>
    <message>
        <source>Patient ändern</source>
        <translation>Change patient</translation>
    </message>
    <message>
        <source>Patient hinzufügen</source>
        <translation>Add patient</translation>
    </message>
    <message>
        <source>Zurück</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>Ändern</source>
        <translation>Change</translation>
    </message>
    <message>
        <source>Hinzufügen</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>Vorname:</source>
        <translation>First name:</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Surname:</translation>
    </message>
    <message>
        <source>Geburtsdatum:</source>
        <translation>Date of birth:</translation>
    </message>
    <message>
        <source>PLZ</source>
        <translation>Postcode</translation>
    </message>
    <message>
        <source>Straße:</source>
        <translation>Street:</translation>
    </message>
    <message>
        <source>Wohnort:</source>
        <translation>Town:</translation>
    </message>
    <message>
        <source>Telefon:</source>
        <translation>Telephone:</translation>
    </message>
    <message>
        <source>Fax:</source>
        <translation>Fax:</translation>
    </message>
    <message>
        <source>E-Mail:</source>
        <translation>E-mail:</translation>
    </message>
    <message>
        <source>Krankenkasse:</source>
        <translation>Health insurance:</translation>
    </message>
    <message>
        <source>Versicherten-Nr.:</source>
        <translation>Insurance no.:</translation>
    </message>
    <message>
        <source>Patienten-ID:</source>
        <translation>Patient ID:</translation>
    </message>
    <message>
        <source>Gewicht [kg]:</source>
        <translation>Weight [kg]:</translation>
    </message>
    <message>
        <source>Größe [cm]</source>
        <translation>Height [cm]</translation>
    </message>
    <message>
        <source>Geschlecht:</source>
        <translation>Sex:</translation>
    </message>
    <message>
        <source>weiblich</source>
        <translation>female</translation>
    </message>
    <message>
        <source>männlich</source>
        <translation>male</translation>
    </message>
    <message>
        <source>Patient</source>
        <translation>Patient</translation>
    </message>
    <message>
        <source>Fehler: Patient bereits vorhanden!</source>
        <translation>Error: the patient already exists!</translation>
    </message>
    <message>
        <source>Fehler: Die fettgedruckten Felder sind Pflichtfelder!</source>
        <translation>Error: the fields in bold are mandatory!</translation>
    </message>
    <message>
        <source>Fehler: „%1“ ist kein gültiges Geburtsdatum. Bitte das Datum so eingeben: %2.</source>
        <translation>Error: “%1” is not a valid date of birth. Please enter the date like this: %2.</translation>
    </message>
    <message>
        <source>Fehler: Das Geburtsdatum fehlt: Das heutige Datum gilt als nicht angegeben. Bitte das Geburtsdatum des Patienten eingeben.</source>
        <translation>Error: The date of birth is missing: today&apos;s date counts as not given. Please enter the patient&apos;s date of birth.</translation>
    </message>
    <message>
        <source>Fehler: Das Geburtsdatum %1 ist nicht möglich: Es muss zwischen dem %2 und heute liegen.</source>
        <translation>Error: The date of birth %1 is not possible: it must lie between %2 and today.</translation>
    </message>
</context>
<context>
    <name>zud::ui::PatientModel</name>
    <message>
        <source>weiblich</source>
        <translation>female</translation>
    </message>
    <message>
        <source>männlich</source>
        <translation>male</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Surname</translation>
    </message>
    <message>
        <source>Vorname</source>
        <translation>First name</translation>
    </message>
    <message>
        <source>Geburtstag</source>
        <translation>Date of birth</translation>
    </message>
    <message>
        <source>PLZ</source>
        <translation>Postcode</translation>
    </message>
    <message>
        <source>Wohnort</source>
        <translation>Town</translation>
    </message>
    <message>
        <source>Straße</source>
        <translation>Street</translation>
    </message>
    <message>
        <source>Patientennummer</source>
        <translation>Patient number</translation>
    </message>
    <message>
        <source>Krankenkasse</source>
        <translation>Health insurance</translation>
    </message>
    <message>
        <source>Versicherungsnummer</source>
        <translation>Insurance number</translation>
    </message>
    <message>
        <source>Telefon</source>
        <translation>Telephone</translation>
    </message>
    <message>
        <source>Fax</source>
        <translation>Fax</translation>
    </message>
    <message>
        <source>E-Mail</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <source>Größe</source>
        <translation>Height</translation>
    </message>
    <message>
        <source>Gewicht</source>
        <translation>Weight</translation>
    </message>
    <message>
        <source>Geschlecht</source>
        <translation>Sex</translation>
    </message>
</context>
<context>
    <name>zud::ui::PatientSelectionWindow</name>
    <message>
        <source>Patientensuche</source>
        <translation>Patient search</translation>
    </message>
    <message>
        <source>Bitte Suchtext eingeben:</source>
        <translation>Please enter the search text:</translation>
    </message>
    <message>
        <source>Patienten</source>
        <translation>Patients</translation>
    </message>
    <message>
        <source>Auswählen</source>
        <translation>Select</translation>
    </message>
    <message>
        <source>Neu</source>
        <translation>New</translation>
    </message>
    <message>
        <source>Bearbeiten</source>
        <translation>Edit</translation>
    </message>
    <message>
        <source>Suchen</source>
        <translation>Search</translation>
    </message>
    <message>
        <source>Löschen</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Zurück</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>Der Patient wurde inzwischen an einem anderen Arbeitsplatz gelöscht.</source>
        <translation>The patient has been deleted at another workstation meanwhile.</translation>
    </message>
    <message>
        <source>Patient „%1“ wirklich löschen?</source>
        <translation>Really delete patient “%1”?</translation>
    </message>
    <message>
        <source>Zum Patienten „%1“ sind Übungen gespeichert (Anzahl: %2). Sollen sie ebenfalls gelöscht werden?

Bei „Nein“ bleiben sie in der Datenbank, sind aber keinem Patienten mehr zugeordnet.</source>
        <translation>Exercises are stored for patient “%1” (number: %2). Should they be deleted as well?

With “No” they remain in the database but are no longer assigned to any patient.</translation>
    </message>
</context>
<context>
    <name>zud::ui::PrintPreviewWindow</name>
    <message>
        <source>Bemerkungen</source>
        <translation>Remarks</translation>
    </message>
    <message>
        <source>Druckvorschau</source>
        <translation>Print preview</translation>
    </message>
    <message>
        <source>Ausgabe</source>
        <translation>Output</translation>
    </message>
    <message>
        <source>Seite</source>
        <translation>Page</translation>
    </message>
    <message>
        <source>Fenster</source>
        <translation>Window</translation>
    </message>
    <message>
        <source>Drucken</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>PDF</source>
        <translation>PDF</translation>
    </message>
    <message>
        <source>Eine Übung</source>
        <translation>One exercise</translation>
    </message>
    <message>
        <source>Zwei Übungen</source>
        <translation>Two exercises</translation>
    </message>
    <message>
        <source>Zurück</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>Übung1</source>
        <translation>Exercise 1</translation>
    </message>
    <message>
        <source>Übung2</source>
        <translation>Exercise 2</translation>
    </message>
    <message>
        <source>Druckvorschau als PDF speichern</source>
        <translation>Save print preview as PDF</translation>
    </message>
</context>
<context>
    <name>zud::ui::ProgrammingWindow</name>
    <message>
        <source>Zurück</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>Therapeut ändern</source>
        <translation>Change therapist</translation>
    </message>
    <message>
        <source>Alle entfernen</source>
        <translation>Remove all</translation>
    </message>
    <message>
        <source>Zuweisen</source>
        <translation>Assign</translation>
    </message>
    <message>
        <source>Entfernen</source>
        <translation>Remove</translation>
    </message>
    <message>
        <source>Speichern</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Öffnen</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>Systemparameter</source>
        <translation>System parameters</translation>
    </message>
    <message>
        <source>Übertragen</source>
        <translation>Transfer</translation>
    </message>
    <message>
        <source>Parameter kopieren</source>
        <translation>Copy parameters</translation>
    </message>
    <message>
        <source>Parameter einfügen</source>
        <translation>Paste parameters</translation>
    </message>
    <message>
        <source>Allgemein</source>
        <translation>General</translation>
    </message>
    <message>
        <source>Therapeut</source>
        <translation>Therapist</translation>
    </message>
    <message>
        <source>Patient</source>
        <translation>Patient</translation>
    </message>
    <message>
        <source>Parameter</source>
        <translation>Parameters</translation>
    </message>
    <message>
        <source>Therapeuten</source>
        <translation>Therapists</translation>
    </message>
    <message>
        <source>Patienten</source>
        <translation>Patients</translation>
    </message>
    <message>
        <source>Alle Übungen des Patienten löschen</source>
        <translation>Delete all exercises of the patient</translation>
    </message>
    <message>
        <source>Programm %1</source>
        <translation>Program %1</translation>
    </message>
    <message>
        <source>Anzeigename (max. 25 Zeichen):</source>
        <translation>Display name (max. 25 characters):</translation>
    </message>
    <message>
        <source>Betriebsart:</source>
        <translation>Operating mode:</translation>
    </message>
    <message>
        <source>Aktiviert</source>
        <translation>Activated</translation>
    </message>
    <message>
        <source>Mittelfrequenz:</source>
        <translation>Medium frequency:</translation>
    </message>
    <message>
        <source>Anspannzeit[s]:</source>
        <translation>Contraction time[s]:</translation>
    </message>
    <message>
        <source>Entspannzeit[s]:</source>
        <translation>Relaxation time[s]:</translation>
    </message>
    <message>
        <source>Stromzeit[s]:</source>
        <translation>Current time[s]:</translation>
    </message>
    <message>
        <source>Pausenzeit[s]:</source>
        <translation>Pause time[s]:</translation>
    </message>
    <message>
        <source>Übungsdauer[1-60min,Dauer]:</source>
        <translation>Exercise duration[1-60min,Cont.]:</translation>
    </message>
    <message>
        <source>Frequenz1[Hz]:</source>
        <translation>Frequency1[Hz]:</translation>
    </message>
    <message>
        <source>Frequenz2[Hz]:</source>
        <translation>Frequency2[Hz]:</translation>
    </message>
    <message>
        <source>Impulsbreite1 [40-500µs]:</source>
        <translation>Pulse width1 [40-500µs]:</translation>
    </message>
    <message>
        <source>Impulsbreite2 [40-500µs]:</source>
        <translation>Pulse width2 [40-500µs]:</translation>
    </message>
    <message>
        <source>Anschwellzeit [s]:</source>
        <translation>Ramp-up time [s]:</translation>
    </message>
    <message>
        <source>Abschwellzeit [s]:</source>
        <translation>Ramp-down time [s]:</translation>
    </message>
    <message>
        <source>Zeiten</source>
        <translation>Times</translation>
    </message>
    <message>
        <source>Stimulations-Parameter</source>
        <translation>Stimulation parameters</translation>
    </message>
    <message>
        <source>Elektrodenposition</source>
        <translation>Electrode position</translation>
    </message>
    <message>
        <source>Programmfolge</source>
        <translation>Program sequence</translation>
    </message>
    <message>
        <source>Programmierung</source>
        <translation>Programming</translation>
    </message>
    <message>
        <source>Therapeut %1</source>
        <translation>Therapist %1</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Vorname:</source>
        <translation>First name:</translation>
    </message>
    <message>
        <source>Patient %1</source>
        <translation>Patient %1</translation>
    </message>
    <message>
        <source>Keine Patientendaten</source>
        <translation>No patient data</translation>
    </message>
    <message>
        <source>Geburtsdatum:</source>
        <translation>Date of birth:</translation>
    </message>
    <message>
        <source>Position %1</source>
        <translation>Position %1</translation>
    </message>
    <message>
        <source>Parameter-Dateien (*.zud)</source>
        <translation>Parameter files (*.zud)</translation>
    </message>
    <message>
        <source>Die Datei ist keine vollständige Parameter-Datei: %1 von 36 Programmsätzen wurden übernommen, die Systemparameter nicht.</source>
        <translation>The file is not a complete parameter file: %1 of 36 program sets were taken, the system parameters were not.</translation>
    </message>
    <message>
        <source>Alle Übungen des Patienten werden gelöscht!
Sind Sie sicher?</source>
        <translation>All exercises of the patient will be deleted!
Are you sure?</translation>
    </message>
    <message>
        <source>Änderungen verwerfen?</source>
        <translation>Discard changes?</translation>
    </message>
</context>
<context>
    <name>zud::ui::ProgressChartWindow</name>
    <message>
        <source>Verlauf</source>
        <translation>Progress</translation>
    </message>
    <message>
        <source>Verlauf als PDF speichern</source>
        <translation>Save progress chart as PDF</translation>
    </message>
</context>
<context>
    <name>zud::ui::ReadoutWindow</name>
    <message>
        <source>Zurück</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>Auslesen</source>
        <translation>Read out</translation>
    </message>
    <message>
        <source>Alle auswählen</source>
        <translation>Select all</translation>
    </message>
    <message>
        <source>Keine auswählen</source>
        <translation>Select none</translation>
    </message>
    <message>
        <source>Übungen nach dem Auslesen löschen</source>
        <translation>Delete exercises after reading out</translation>
    </message>
    <message>
        <source>Zuweisen</source>
        <translation>Assign</translation>
    </message>
    <message>
        <source>Importieren</source>
        <translation>Import</translation>
    </message>
    <message>
        <source>Allgemein</source>
        <translation>General</translation>
    </message>
    <message>
        <source>Übungen</source>
        <translation>Exercises</translation>
    </message>
    <message>
        <source>Patient</source>
        <translation>Patient</translation>
    </message>
    <message>
        <source>Therapeuten</source>
        <translation>Therapists</translation>
    </message>
    <message>
        <source>Patienten</source>
        <translation>Patients</translation>
    </message>
    <message>
        <source>Übungsdaten auslesen</source>
        <translation>Read out exercise data</translation>
    </message>
    <message>
        <source>Therapeut %1</source>
        <translation>Therapist %1</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Surname:</translation>
    </message>
    <message>
        <source>Vorname:</source>
        <translation>First name:</translation>
    </message>
    <message>
        <source>Keine Patientendaten</source>
        <translation>No patient data</translation>
    </message>
    <message>
        <source>Patient %1 (%2)</source>
        <translation>Patient %1 (%2)</translation>
    </message>
    <message>
        <source>nicht zugewiesen</source>
        <translation>not assigned</translation>
    </message>
    <message>
        <source>geb. am:</source>
        <translation>Born on:</translation>
    </message>
    <message>
        <source>Patient %1</source>
        <translation>Patient %1</translation>
    </message>
    <message>
        <source>unvollständig</source>
        <translation>incomplete</translation>
    </message>
    <message>
        <source>Ohne angemeldete Datenbank kann kein Patient angelegt werden.</source>
        <translation>Without a database login no patient can be created.</translation>
    </message>
    <message>
        <source>Name, Vorname und Geburtsdatum dieses Gerätepatienten sind vollständig: beim Auslesen wird er in der Datenbank gefunden oder neu angelegt. Mit „Zuweisen“ ordnen Sie ihn einem anderen Patienten zu.</source>
        <translation>Surname, first name and date of birth of this device patient are complete: the read-out finds the patient in the database or creates a new one. Use “Assign” to link the patient to another one.</translation>
    </message>
    <message>
        <source>Dieser Gerätepatient hat keine Daten, die übernommen werden könnten. Wählen Sie mit „Zuweisen“ einen Patienten der Datenbank.</source>
        <translation>This device patient has no data that could be taken over. Use “Assign” to choose a patient from the database.</translation>
    </message>
    <message>
        <source>Ohne angemeldete Datenbank kann kein Patient zugewiesen werden.</source>
        <translation>Without a database login no patient can be assigned.</translation>
    </message>
    <message>
        <source>An Praxissoftware senden</source>
        <translation>Send to practice software</translation>
    </message>
</context>
<context>
    <name>zud::ui::RecordingModel</name>
    <message>
        <source>Datum</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Uhrzeit</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>Betriebsart</source>
        <translation>Mode</translation>
    </message>
    <message>
        <source>#</source>
        <translation>#</translation>
    </message>
    <message>
        <source>Programmname</source>
        <translation>Program name</translation>
    </message>
</context>
<context>
    <name>zud::ui::RecordingSelectionWindow</name>
    <message>
        <source>Übung wählen</source>
        <translation>Choose exercise</translation>
    </message>
    <message>
        <source>Auswählen</source>
        <translation>Select</translation>
    </message>
    <message>
        <source>Löschen</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Zurück</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>Übungen</source>
        <translation>Exercises</translation>
    </message>
    <message>
        <source>Übung vom %1 %2 wirklich löschen?</source>
        <translation>Really delete the exercise of %1 %2?</translation>
    </message>
</context>
<context>
    <name>zud::ui::RemarksDialog</name>
    <message>
        <source>Bemerkungen hinzufügen/ändern</source>
        <translation>Add/change remarks</translation>
    </message>
    <message>
        <source>Hinzufügen/Ändern</source>
        <translation>Add/Change</translation>
    </message>
    <message>
        <source>Zurück</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>Bemerkungen</source>
        <translation>Remarks</translation>
    </message>
</context>
<context>
    <name>zud::ui::RibbonDialog</name>
    <message>
        <source>Allgemein</source>
        <translation>General</translation>
    </message>
</context>
<context>
    <name>zud::ui::SplashScreen</name>
    <message>
        <source>Begleitprogramm zum Therapiegerät ZUD12</source>
        <translation>Companion software for the ZUD12 therapy device</translation>
    </message>
</context>
<context>
    <name>zud::ui::StatisticsWindow</name>
    <message>
        <source>Statistik</source>
        <translation>Statistics</translation>
    </message>
    <message>
        <source>Ausgabe</source>
        <translation>Output</translation>
    </message>
    <message>
        <source>Fenster</source>
        <translation>Window</translation>
    </message>
    <message>
        <source>Drucken</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>PDF</source>
        <translation>PDF</translation>
    </message>
    <message>
        <source>Gesamte Statistik drucken</source>
        <translation>Print whole statistics</translation>
    </message>
    <message>
        <source>Zusammenfassung drucken</source>
        <translation>Print summary</translation>
    </message>
    <message>
        <source>Gesamte Statistik als PDF</source>
        <translation>Whole statistics as PDF</translation>
    </message>
    <message>
        <source>Zusammenfassung als PDF</source>
        <translation>Summary as PDF</translation>
    </message>
    <message>
        <source>Verlauf</source>
        <translation>Progress</translation>
    </message>
    <message>
        <source>Zusammenfassung</source>
        <translation>Summary</translation>
    </message>
    <message>
        <source>Zurück</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>Statistik als PDF speichern</source>
        <translation>Save statistics as PDF</translation>
    </message>
    <message>
        <source>Therapie-Zusammenfassung als PDF speichern</source>
        <translation>Save therapy summary as PDF</translation>
    </message>
</context>
<context>
    <name>zud::ui::SummaryWindow</name>
    <message>
        <source>Therapie-Zusammenfassung</source>
        <translation>Therapy summary</translation>
    </message>
    <message>
        <source>Therapie-Zusammenfassung als PDF speichern</source>
        <translation>Save therapy summary as PDF</translation>
    </message>
</context>
<context>
    <name>zud::ui::SystemParametersDialog</name>
    <message>
        <source>Systemparameter</source>
        <translation>System parameters</translation>
    </message>
    <message>
        <source>Zurück</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>Übernehmen</source>
        <translation>Apply</translation>
    </message>
    <message>
        <source>Allgemein</source>
        <translation>General</translation>
    </message>
    <message>
        <source>Parameter</source>
        <translation>Parameters</translation>
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
        <translation>Triggering</translation>
    </message>
    <message>
        <source>Admin</source>
        <translation>Admin</translation>
    </message>
    <message>
        <source>Helligkeit:</source>
        <translation>Brightness:</translation>
    </message>
    <message>
        <source>Codeabfrage:</source>
        <translation>Ask for code:</translation>
    </message>
    <message>
        <source>Patientenauswahl:</source>
        <translation>Patient selection:</translation>
    </message>
    <message>
        <source>Tastentöne:</source>
        <translation>Key tones:</translation>
    </message>
    <message>
        <source>Anzeige verriegeln:</source>
        <translation>Lock display:</translation>
    </message>
    <message>
        <source>Sprachausgabe:</source>
        <translation>Voice output:</translation>
    </message>
    <message>
        <source>CCIP-Test:</source>
        <translation>CCIP test:</translation>
    </message>
    <message>
        <source>EMG-Einstellung:</source>
        <translation>EMG setting:</translation>
    </message>
    <message>
        <source>EMG-Begrenzung:</source>
        <translation>EMG limit:</translation>
    </message>
    <message>
        <source>EMG-Vertonung:</source>
        <translation>EMG sound:</translation>
    </message>
    <message>
        <source>EMG-Wert numerisch anzeigen:</source>
        <translation>Show EMG value as number:</translation>
    </message>
    <message>
        <source>EMG-Anzeige nach Strom:</source>
        <translation>EMG display after current:</translation>
    </message>
    <message>
        <source>Triggerzeitlimit [s]:</source>
        <translation>Trigger time limit [s]:</translation>
    </message>
    <message>
        <source>Updaterate [s]:</source>
        <translation>Update rate [s]:</translation>
    </message>
    <message>
        <source>Triggerbegrenzung:</source>
        <translation>Trigger limit:</translation>
    </message>
    <message>
        <source>Triggerautomatik:</source>
        <translation>Automatic trigger:</translation>
    </message>
    <message>
        <source>Einheit Druck:</source>
        <translation>Pressure unit:</translation>
    </message>
    <message>
        <source>Code am Gerät (4-stellig,1..9):</source>
        <translation>Device code (4 digits, 1..9):</translation>
    </message>
    <message>
        <source>Bluetooth</source>
        <translation>Bluetooth</translation>
    </message>
    <message>
        <source>Als Werkseinstellungen speichern:</source>
        <translation>Save as factory settings:</translation>
    </message>
    <message>
        <source>Werkseinstellungen:</source>
        <translation>Factory settings:</translation>
    </message>
    <message>
        <source>Es werden die Programmparameter von Therapeut 1 / Patient 1 als Standard-Programme für die Werkseinstellungen gespeichert.</source>
        <translation>The program parameters of therapist 1 / patient 1 are saved as the standard programs of the factory settings.</translation>
    </message>
    <message>
        <source>Beim Programmieren wird das System auf Werkseinstellungen zurückgesetzt. Alle Programme werden überschrieben, die Parameter zurückgesetzt und alle Übungen gelöscht.</source>
        <translation>When programming, the system is reset to factory settings. All programs are overwritten, the parameters reset and all exercises deleted.</translation>
    </message>
    <message>
        <source>Manuell</source>
        <translation>Manual</translation>
    </message>
    <message>
        <source>Halbautomatisch</source>
        <translation>Semi-automatic</translation>
    </message>
    <message>
        <source>Automatisch</source>
        <translation>Automatic</translation>
    </message>
    <message>
        <source>Änderungen verwerfen?</source>
        <translation>Discard changes?</translation>
    </message>
</context>
<context>
    <name>zud::ui::TherapistChangeDialog</name>
    <message>
        <source>Therapeut ändern</source>
        <translation>Change therapist</translation>
    </message>
    <message>
        <source>Zurück</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>Vorname:</source>
        <translation>First name:</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Surname:</translation>
    </message>
    <message>
        <source>Therapeut</source>
        <translation>Therapist</translation>
    </message>
</context>
<context>
    <name>zud::ui::UserManagerWindow</name>
    <message>
        <source>Benutzer-Verwaltung</source>
        <translation>User management</translation>
    </message>
    <message>
        <source>Aktion</source>
        <translation>Action</translation>
    </message>
    <message>
        <source>hinzufügen</source>
        <translation>add</translation>
    </message>
    <message>
        <source>ändern</source>
        <translation>change</translation>
    </message>
    <message>
        <source>löschen</source>
        <translation>delete</translation>
    </message>
    <message>
        <source>Benutzername:</source>
        <translation>User name:</translation>
    </message>
    <message>
        <source>Passwort:</source>
        <translation>Password:</translation>
    </message>
    <message>
        <source>Benutzer:</source>
        <translation>User:</translation>
    </message>
    <message>
        <source>Benutzer hinzufügen</source>
        <translation>Add user</translation>
    </message>
    <message>
        <source>Passwort ändern</source>
        <translation>Change password</translation>
    </message>
    <message>
        <source>Benutzer löschen</source>
        <translation>Delete user</translation>
    </message>
    <message>
        <source>Datenbank-Login fehlgeschlagen</source>
        <translation>Database login failed</translation>
    </message>
    <message>
        <source>Aktion fehlgeschlagen (%1)</source>
        <translation>Action failed (%1)</translation>
    </message>
    <message>
        <source>Datenbank prüfen</source>
        <translation>Check database</translation>
    </message>
    <message>
        <source>Prüft die Datenbankdatei, jede Übung mit ihrem Patienten und Gerät, die Schlüssel und die Generatoren. Ändert nichts; andere Arbeitsplätze können weiterarbeiten.</source>
        <translation>Checks the database file, every exercise with its patient and device, the keys and the generators. Changes nothing; other workstations can go on working.</translation>
    </message>
    <message>
        <source>Die Datenbank wird geprüft …</source>
        <translation>Checking the database …</translation>
    </message>
    <message>
        <source>Die Datenbank konnte nicht geprüft werden.</source>
        <translation>The database could not be checked.</translation>
    </message>
</context>
<context>
    <name>zud::ui::ZahlFeld</name>
    <message>
        <source>Der Wert im Feld „%1“ ist ungültig. Bitte eine ganze Zahl von %2 bis %3 eingeben.</source>
        <translation>The value in the field “%1” is not valid. Please enter a whole number from %2 to %3.</translation>
    </message>
</context>
<context>
    <name>zud::ui::ZehntelFeld</name>
    <message>
        <source>Der Wert im Feld „%1“ ist ungültig. Bitte eine Zahl von %2 bis %3 eingeben.</source>
        <translation>The value in the field “%1” is not valid. Please enter a number from %2 to %3.</translation>
    </message>
</context>
</TS>
