<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL" sourcelanguage="de">
<context>
    <name>Anwendung</name>
    <message>
        <source>Anwendung %1</source>
        <translation>Aplikacja %1</translation>
    </message>
    <message>
        <source>unbekanntes Modell</source>
        <translation>nieznany model</translation>
    </message>
    <message>
        <source>Keine gültige Anwendung: %1</source>
        <translation>Nieprawidłowa aplikacja: %1</translation>
    </message>
    <message>
        <source>Lösche Übungen...</source>
        <translation>Usuwanie ćwiczeń...</translation>
    </message>
    <message>
        <source>Werkszustand...</source>
        <translation>Stan fabryczny...</translation>
    </message>
</context>
<context>
    <name>Aufzeichnung</name>
    <message>
        <source>Keine Aufzeichnung: %1 Bytes, eine Aufzeichnung hat mindestens %2 (Programmkopf und Statistikblock).</source>
        <translation>To nie jest zapis: liczba bajtów %1, a zapis ma ich co najmniej %2 (nagłówek programu i blok statystyk).</translation>
    </message>
    <message>
        <source>Keine Aufzeichnung: die Betriebsart %1 hat kein Messwertformat.</source>
        <translation>To nie jest zapis: tryb pracy %1 nie ma formatu wartości pomiarowych.</translation>
    </message>
    <message>
        <source>Die Übung enthält keine Daten.</source>
        <translation>Ćwiczenie nie zawiera danych.</translation>
    </message>
    <message>
        <source>Die Aufzeichnung der älteren Form ist mit %1 Bytes kürzer als ihr Kopf (%2 Bytes): sie ist abgeschnitten.</source>
        <translation>Zapis w starszej formie ma %1 bajtów, mniej niż jego nagłówek (%2 bajtów): jest obcięty.</translation>
    </message>
    <message>
        <source>Die Betriebsart der Zeile (BETRIEBSART %1) ist nicht die des Programmkopfs (%2).</source>
        <translation>Tryb wiersza (BETRIEBSART %1) nie jest trybem nagłówka programu (%2).</translation>
    </message>
    <message>
        <source>Die Messwerte enden mitten in einem Messwert (%1 Bytes sind kein Vielfaches von %2): die Aufzeichnung ist abgeschnitten oder unvollständig.</source>
        <translation>Pomiary kończą się w środku pomiaru (%1 bajtów nie jest wielokrotnością %2): zapis jest obcięty lub niekompletny.</translation>
    </message>
    <message>
        <source>Der Statistikblock am Ende nennt %1 Messwerte, die Aufzeichnung enthält %2: sie ist abgeschnitten oder beschädigt.</source>
        <translation>Blok statystyk na końcu podaje %1 pomiarów, zapis zawiera %2: jest obcięty lub uszkodzony.</translation>
    </message>
</context>
<context>
    <name>Auslesen</name>
    <message>
        <source>Lade Patientendaten ...</source>
        <translation>Wczytywanie danych pacjenta ...</translation>
    </message>
    <message>
        <source>Lade Kopfdaten ...</source>
        <translation>Wczytywanie danych nagłówka ...</translation>
    </message>
    <message>
        <source>Lade Kopfdaten (Therapeut %1, Patient %2) ...</source>
        <translation>Wczytywanie danych nagłówka (terapeuta %1, pacjent %2) ...</translation>
    </message>
    <message>
        <source>Es sind keine Übungen gespeichert</source>
        <translation>Brak zapisanych ćwiczeń</translation>
    </message>
    <message>
        <source>Lösche Übungen (Therapeut %1, Patient %2)</source>
        <translation>Usuwanie ćwiczeń (terapeuta %1, pacjent %2)</translation>
    </message>
    <message>
        <source>Übertrage Übungen %1 von %2 ...</source>
        <translation>Przesyłanie ćwiczenia %1 z %2 ...</translation>
    </message>
    <message>
        <source>kein Patient zugewiesen</source>
        <translation>nie przypisano pacjenta</translation>
    </message>
    <message>
        <source>Datum oder Uhrzeit am Gerät ungültig</source>
        <translation>Nieprawidłowa data lub godzina w urządzeniu</translation>
    </message>
    <message>
        <source>in der Datenbank nicht gleich gespeichert</source>
        <translation>nie zapisano identycznie w bazie danych</translation>
    </message>
    <message>
        <source>Übertragung abgebrochen.</source>
        <translation>Przerwano przesyłanie.</translation>
    </message>
    <message>
        <source>Lösche...</source>
        <translation>Usuwanie...</translation>
    </message>
    <message>
        <source>Unerwarteter Fehler: %1</source>
        <translation>Nieoczekiwany błąd: %1</translation>
    </message>
    <message>
        <source>Unerwarteter Fehler.</source>
        <translation>Nieoczekiwany błąd.</translation>
    </message>
    <message>
        <source>gespeichert: %1</source>
        <translation>zapisano: %1</translation>
    </message>
    <message>
        <source>bereits gespeichert, übersprungen: %1</source>
        <translation>już zapisane, pominięto: %1</translation>
    </message>
    <message>
        <source>bereits bei %1 gespeichert, übersprungen: %2</source>
        <translation>już zapisane u pacjenta %1, pominięto: %2</translation>
    </message>
    <message>
        <source>nicht übernommen: %1</source>
        <translation>nie przejęto: %1</translation>
    </message>
    <message>
        <source>am Gerät gelöscht: %1</source>
        <translation>usunięto w urządzeniu: %1</translation>
    </message>
    <message>
        <source>am Gerät behalten, da abweichend gespeichert: %1</source>
        <translation>zachowano w urządzeniu, zapisane inaczej: %1</translation>
    </message>
    <message>
        <source>Therapeut %1, Patient %2</source>
        <translation>Terapeuta %1, pacjent %2</translation>
    </message>
    <message>
        <source>als neuer Patient angelegt</source>
        <translation>utworzono jako nowego pacjenta</translation>
    </message>
    <message>
        <source>Geburtsdatum am Gerät ungültig (%1): ohne Geburtsdatum gespeichert</source>
        <translation>Nieprawidłowa data urodzenia w urządzeniu (%1): zapisano bez daty urodzenia</translation>
    </message>
    <message>
        <source>Es wurde keine Übung übertragen.</source>
        <translation>Nie przesłano żadnego ćwiczenia.</translation>
    </message>
    <message>
        <source>Nicht übernommen:</source>
        <translation>Nie przejęto:</translation>
    </message>
    <message>
        <source>Therapeut %1, Patient %2, %3: %4</source>
        <translation>Terapeuta %1, pacjent %2, %3: %4</translation>
    </message>
</context>
<context>
    <name>Austausch</name>
    <message>
        <source>Der Vorgang wurde abgebrochen.</source>
        <translation>Operacja została przerwana.</translation>
    </message>
    <message>
        <source>Die Archivdatei kann nicht gelesen werden: %1</source>
        <translation>Nie można odczytać pliku archiwum: %1</translation>
    </message>
    <message>
        <source>Die Datei ist kein gültiges Archiv: %1</source>
        <translation>Plik nie jest prawidłowym archiwum: %1</translation>
    </message>
    <message>
        <source>Die zu packende Datei fehlt: %1</source>
        <translation>Brak pliku do spakowania: %1</translation>
    </message>
    <message>
        <source>Die Datei ist für ein Archiv zu groß: %1</source>
        <translation>Plik jest za duży dla archiwum: %1</translation>
    </message>
    <message>
        <source>Das Archiv kann nicht geschrieben werden: %1</source>
        <translation>Nie można zapisać archiwum: %1</translation>
    </message>
    <message>
        <source>Das Archiv kann nicht angelegt werden: %1</source>
        <translation>Nie można utworzyć archiwum: %1</translation>
    </message>
    <message>
        <source>Das Archiv enthält die Datei „%1“ nicht: %2</source>
        <translation>Archiwum nie zawiera pliku „%1”: %2</translation>
    </message>
    <message>
        <source>Das Archiv ist beschädigt oder unvollständig: %1</source>
        <translation>Archiwum jest uszkodzone lub niekompletne: %1</translation>
    </message>
    <message>
        <source>%1 von %2 Bytes entpackt</source>
        <translation>Rozpakowano %1 z %2 bajtów</translation>
    </message>
    <message>
        <source>Das Sicherungsprogramm der Datenbank wurde nicht gefunden: %1</source>
        <translation>Nie znaleziono programu do kopii zapasowej bazy danych: %1</translation>
    </message>
    <message>
        <source>Im Arbeitsordner kann keine Datei angelegt werden: %1</source>
        <translation>Nie można utworzyć pliku w folderze roboczym: %1</translation>
    </message>
    <message>
        <source>gbak endete mit dem Status %1</source>
        <translation>gbak zakończył się ze statusem %1</translation>
    </message>
    <message>
        <source>gbak wurde abgebrochen</source>
        <translation>gbak został przerwany</translation>
    </message>
    <message>
        <source>Die Datensicherung der Datenbank ist fehlgeschlagen.</source>
        <translation>Kopia zapasowa bazy danych nie powiodła się.</translation>
    </message>
    <message>
        <source>Die Sicherungsdatei fehlt oder ist leer.</source>
        <translation>Brak pliku kopii zapasowej lub jest on pusty.</translation>
    </message>
    <message>
        <source>Die Wiederherstellung der Datenbank ist fehlgeschlagen.</source>
        <translation>Przywracanie bazy danych nie powiodło się.</translation>
    </message>
    <message>
        <source>Die Zieldatenbank enthält die Tabellen dieses Programms nicht.</source>
        <translation>Docelowa baza danych nie zawiera tabel tego programu.</translation>
    </message>
    <message>
        <source>Der Patient %1 ist im Archiv nicht enthalten.</source>
        <translation>Pacjenta %1 nie ma w archiwum.</translation>
    </message>
    <message>
        <source>Der Patient „%1“ konnte nicht übernommen werden; die %2 Patienten davor wurden übernommen.
%3</source>
        <translation>Nie udało się przenieść pacjenta „%1”; %2 wcześniejszych pacjentów przeniesiono.
%3</translation>
    </message>
    <message>
        <source>Es ist kein Patient ausgewählt.</source>
        <translation>Nie wybrano żadnego pacjenta.</translation>
    </message>
    <message>
        <source>Exportieren</source>
        <translation>Eksportuj</translation>
    </message>
    <message>
        <source>Den Patienten %1 gibt es in der Datenbank nicht (mehr).</source>
        <translation>Pacjenta %1 nie ma (już) w bazie danych.</translation>
    </message>
    <message>
        <source>Datenbank Packen</source>
        <translation>Pakowanie bazy danych</translation>
    </message>
    <message>
        <source>Die Datei gibt es nicht: %1</source>
        <translation>Plik nie istnieje: %1</translation>
    </message>
    <message>
        <source>Die Datei ist kein Archiv von ZUD-Software: %1</source>
        <translation>Plik nie jest archiwum ZUD-Software: %1</translation>
    </message>
    <message>
        <source>Datenbank Entpacken</source>
        <translation>Rozpakowywanie bazy danych</translation>
    </message>
    <message>
        <source>Das Archiv enthält keine Patientendaten von ZUD-Software: %1
%2</source>
        <translation>Archiwum nie zawiera danych pacjentów ZUD-Software: %1
%2</translation>
    </message>
    <message>
        <source>Importieren</source>
        <translation>Importuj</translation>
    </message>
    <message>
        <source>Datenbank sichern</source>
        <translation>Kopia zapasowa bazy danych</translation>
    </message>
    <message>
        <source>Die Datenbank kann nur auf dem Rechner des Datenbankservers wiederhergestellt werden.</source>
        <translation>Bazę danych można przywrócić tylko na komputerze serwera bazy danych.</translation>
    </message>
    <message>
        <source>Die Datei ist keine Datensicherung von ZUD-Software: %1</source>
        <translation>Plik nie jest kopią zapasową ZUD-Software: %1</translation>
    </message>
    <message>
        <source>Datenbank wiederherstellen</source>
        <translation>Przywróć bazę danych</translation>
    </message>
    <message>
        <source>Die Datei enthält keine Datensicherung der Datenbank von ZUD-Software: %1</source>
        <translation>Plik nie zawiera kopii zapasowej bazy danych ZUD-Software: %1</translation>
    </message>
    <message>
        <source>Die Datenbank ist noch %1-mal geöffnet (an anderen Arbeitsplätzen oder in diesem Programm). Beenden Sie dort ZUD-Software und versuchen Sie es erneut.</source>
        <translation>Baza danych jest nadal otwarta (%1) (na innych stanowiskach lub w tym programie). Zamknij tam ZUD-Software i spróbuj ponownie.</translation>
    </message>
    <message>
        <source>Die Daten der Vorgängerversion werden nur in eine Datenbank ohne Patienten übernommen.</source>
        <translation>Dane poprzedniej wersji są przenoszone tylko do bazy danych bez pacjentów.</translation>
    </message>
    <message>
        <source>Konvertiere alte Datei-Struktur</source>
        <translation>Konwersja starej struktury plików</translation>
    </message>
    <message>
        <source>Erzeuge neue Datei-Struktur</source>
        <translation>Tworzenie nowej struktury plików</translation>
    </message>
    <message>
        <source>Importieren...</source>
        <translation>Importowanie...</translation>
    </message>
    <message>
        <source>Es ist kein Archiv geöffnet.</source>
        <translation>Nie otwarto żadnego archiwum.</translation>
    </message>
    <message>
        <source>Die Datenbank ist noch geöffnet (an anderen Arbeitsplätzen oder in diesem Programm). Beenden Sie dort ZUD-Software und versuchen Sie es erneut.</source>
        <translation>Baza danych jest nadal otwarta (na innych stanowiskach lub w tym programie). Zamknij tam ZUD-Software i spróbuj ponownie.</translation>
    </message>
    <message>
        <source>Die Datenbank konnte nicht durch die wiederhergestellte ersetzt werden: %1 (%2). Die Datenbank ist unverändert. Stellen Sie die Sicherung als Benutzer wieder her, der in diesem Ordner Dateien ändern darf (zum Beispiel mit zudctl restore).</source>
        <translation>Nie można było zastąpić bazy danych przywróconą: %1 (%2). Baza danych pozostała bez zmian. Przywróć kopię zapasową jako użytkownik, który może zmieniać pliki w tym folderze (na przykład poleceniem zudctl restore).</translation>
    </message>
    <message>
        <source>Der Arbeitsordner kann nicht angelegt werden: %1</source>
        <translation>Nie można utworzyć folderu roboczego: %1</translation>
    </message>
    <message>
        <source>Kein Platz auf %1. Schaffen Sie dort Platz und versuchen Sie es erneut.</source>
        <translation>Brak miejsca na %1. Zwolnij tam miejsce i spróbuj ponownie.</translation>
    </message>
    <message>
        <source>Im Arbeitsordner kann nicht geschrieben werden: %1</source>
        <translation>Nie można zapisywać w folderze roboczym: %1</translation>
    </message>
    <message>
        <source>Im Arbeitsordner kann kein Ordner angelegt werden: %1 (%2)</source>
        <translation>Nie można utworzyć folderu w folderze roboczym: %1 (%2)</translation>
    </message>
</context>
<context>
    <name>Berichte</name>
    <message>
        <source>Entspannen</source>
        <translation>Rozluźnienie</translation>
    </message>
    <message>
        <source>Anspannen</source>
        <translation>Napięcie</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Przerwa</translation>
    </message>
    <message>
        <source>Strom</source>
        <translation>Prąd</translation>
    </message>
    <message>
        <source>Druck</source>
        <translation>Ciśnienie</translation>
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
        <translation>Rozluźnienie CH1</translation>
    </message>
    <message>
        <source>Anspannen CH1</source>
        <translation>Napięcie CH1</translation>
    </message>
    <message>
        <source>Entspannen CH2</source>
        <translation>Rozluźnienie CH2</translation>
    </message>
    <message>
        <source>Anspannen CH2</source>
        <translation>Napięcie CH2</translation>
    </message>
    <message>
        <source>Haltedauer</source>
        <translation>Czas utrzymania</translation>
    </message>
    <message>
        <source>Basisdruck</source>
        <translation>Ciśnienie bazowe</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nazwisko</translation>
    </message>
    <message>
        <source>Vorname</source>
        <translation>Imię</translation>
    </message>
    <message>
        <source>Geburtstag</source>
        <translation>Data urodzenia</translation>
    </message>
    <message>
        <source>Patientennummer</source>
        <translation>Numer pacjenta</translation>
    </message>
    <message>
        <source>Datum</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Uhrzeit</source>
        <translation>Godzina</translation>
    </message>
    <message>
        <source>Betriebsart</source>
        <translation>Tryb pracy</translation>
    </message>
    <message>
        <source>Übungslänge</source>
        <translation>Długość ćwiczenia</translation>
    </message>
    <message>
        <source>Patientendaten</source>
        <translation>Dane pacjenta</translation>
    </message>
    <message>
        <source>Übung</source>
        <translation>Ćwiczenie</translation>
    </message>
    <message>
        <source>Statistik</source>
        <translation>Statystyka</translation>
    </message>
    <message>
        <source>min</source>
        <translation>min</translation>
    </message>
    <message>
        <source>max</source>
        <translation>maks</translation>
    </message>
    <message>
        <source>Programmname</source>
        <translation>Nazwa programu</translation>
    </message>
    <message>
        <source>Seite</source>
        <translation>Strona</translation>
    </message>
    <message>
        <source>Druckdatum</source>
        <translation>Data wydruku</translation>
    </message>
    <message>
        <source>Gerät</source>
        <translation>Urządzenie</translation>
    </message>
    <message>
        <source>Seriennummer</source>
        <translation>Numer seryjny</translation>
    </message>
    <message>
        <source>Therapieanfang</source>
        <translation>Początek terapii</translation>
    </message>
    <message>
        <source>Therapieende</source>
        <translation>Koniec terapii</translation>
    </message>
    <message>
        <source>Anzahl Behandlungen</source>
        <translation>Liczba zabiegów</translation>
    </message>
    <message>
        <source>Ø Behandlungsdauer</source>
        <translation>Ø czas zabiegu</translation>
    </message>
    <message>
        <source>Therapietreue</source>
        <translation>Przestrzeganie terapii</translation>
    </message>
    <message>
        <source>Therapie-Zusammenfassung</source>
        <translation>Podsumowanie terapii</translation>
    </message>
    <message>
        <source>Geburtsdatum</source>
        <translation>Data urodzenia</translation>
    </message>
    <message>
        <source>Straße</source>
        <translation>Ulica</translation>
    </message>
    <message>
        <source>PLZ</source>
        <translation>Kod pocztowy</translation>
    </message>
    <message>
        <source>Ort</source>
        <translation>Miejscowość</translation>
    </message>
    <message>
        <source>Krankenkasse</source>
        <translation>Ubezpieczyciel</translation>
    </message>
    <message>
        <source>SV-Nummer</source>
        <translation>Nr ubezpieczenia</translation>
    </message>
    <message>
        <source>Therapiedaten</source>
        <translation>Dane terapii</translation>
    </message>
    <message>
        <source>Die PDF-Datei konnte nicht erzeugt werden: %1</source>
        <translation>Nie można utworzyć pliku PDF: %1</translation>
    </message>
    <message>
        <source>Verlauf</source>
        <translation>Przebieg</translation>
    </message>
    <message>
        <source>geb.</source>
        <translation>ur.</translation>
    </message>
    <message>
        <source>Zeitraum</source>
        <translation>Okres</translation>
    </message>
    <message>
        <source>keine programmierte Übungsdauer</source>
        <translation>brak zaprogramowanego czasu ćwiczenia</translation>
    </message>
</context>
<context>
    <name>Berichtsausgabe</name>
    <message>
        <source>PDF-Dateien (*.pdf)</source>
        <translation>Pliki PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Der Druck ist fehlgeschlagen. Bitte prüfen Sie den Drucker und versuchen Sie es noch einmal.</source>
        <translation>Drukowanie nie powiodło się. Sprawdź drukarkę i spróbuj ponownie.</translation>
    </message>
</context>
<context>
    <name>Betriebsart</name>
    <message>
        <source>EMG-Biofeedback</source>
        <translation>Biofeedback EMG</translation>
    </message>
    <message>
        <source>ES-Elektrostimulation</source>
        <translation>Elektrostymulacja ES</translation>
    </message>
    <message>
        <source>Biofeedback+Elektrostim.</source>
        <translation>Biofeedback+elektrostym.</translation>
    </message>
    <message>
        <source>EMG-gesteuerte Elektrostim.      </source>
        <translation>Elektrostym. sterowana EMG      </translation>
    </message>
    <message>
        <source>Druck</source>
        <translation>Ciśnienie</translation>
    </message>
    <message>
        <source>Training Druck</source>
        <translation>Trening ciśnienia</translation>
    </message>
    <message>
        <source>1-kanalig EMG + Druck</source>
        <translation>EMG 1-kanałowe + ciśnienie</translation>
    </message>
    <message>
        <source>2-kanalig EMG + Druck</source>
        <translation>EMG 2-kanałowe + ciśnienie</translation>
    </message>
    <message>
        <source>Programmfolge</source>
        <translation>Sekwencja programów</translation>
    </message>
    <message>
        <source>2-kanalig EMG</source>
        <translation>EMG 2-kanałowe</translation>
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
        <translation>EMG(1)+ciśnienie</translation>
    </message>
    <message>
        <source>EMG(2)+Druck</source>
        <translation>EMG(2)+ciśnienie</translation>
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
        <translation>Nie można zapisać pliku: %1 (%2)</translation>
    </message>
    <message>
        <source>kein Platz mehr auf dem Datenträger</source>
        <translation>brak miejsca na nośniku</translation>
    </message>
    <message>
        <source>keine Berechtigung für diesen Ordner</source>
        <translation>brak uprawnień do tego folderu</translation>
    </message>
    <message>
        <source>ein Ordner dieses Namens ist im Weg</source>
        <translation>przeszkadza folder o tej samej nazwie</translation>
    </message>
    <message>
        <source>der Ordner existiert nicht</source>
        <translation>folder nie istnieje</translation>
    </message>
    <message>
        <source>ein Teil des Pfades ist kein Ordner</source>
        <translation>część ścieżki nie jest folderem</translation>
    </message>
    <message>
        <source>der Datenträger ist schreibgeschützt</source>
        <translation>nośnik jest zabezpieczony przed zapisem</translation>
    </message>
    <message>
        <source>der Name ist zu lang</source>
        <translation>nazwa jest za długa</translation>
    </message>
    <message>
        <source>Ein-/Ausgabefehler des Datenträgers</source>
        <translation>błąd wejścia/wyjścia nośnika</translation>
    </message>
</context>
<context>
    <name>Datenbank</name>
    <message>
        <source>Der Datenbankserver ist nicht erreichbar. Prüfen Sie, ob der Server läuft und ob Servername und Port (SQLServer3, RemoteServicePort3) stimmen.</source>
        <translation>Serwer bazy danych jest nieosiągalny. Sprawdź, czy serwer działa oraz czy nazwa serwera i port (SQLServer3, RemoteServicePort3) są prawidłowe.</translation>
    </message>
    <message>
        <source>Benutzername oder Passwort ist falsch.</source>
        <translation>Nieprawidłowa nazwa użytkownika lub hasło.</translation>
    </message>
    <message>
        <source>Diesem Benutzer fehlt die Berechtigung für diesen Vorgang.</source>
        <translation>Ten użytkownik nie ma uprawnień do wykonania tej operacji.</translation>
    </message>
    <message>
        <source>Die Datei ist keine Datenbank dieses Programms oder sie ist beschädigt. Stellen Sie die letzte Datensicherung wieder her.</source>
        <translation>Plik nie jest bazą danych tego programu lub jest uszkodzony. Przywróć ostatnią kopię zapasową.</translation>
    </message>
    <message>
        <source>Keine Berechtigung für den Sperr-Ordner der Datenbank (FIREBIRD_LOCK). Der Benutzer braucht dort Schreibrecht.</source>
        <translation>Brak uprawnień do folderu blokad bazy danych (FIREBIRD_LOCK). Użytkownik musi mieć w nim prawo zapisu.</translation>
    </message>
    <message>
        <source>Auf dem Datenträger der Datenbank ist kein Platz mehr. Schaffen Sie Platz und versuchen Sie es erneut.</source>
        <translation>Na dysku bazy danych zabrakło miejsca. Zwolnij miejsce i spróbuj ponownie.</translation>
    </message>
    <message>
        <source>Keine Berechtigung für die Datenbankdatei oder ihren Ordner. Der Benutzer braucht Lese- und Schreibrecht auf beide.</source>
        <translation>Brak uprawnień do pliku bazy danych lub jego folderu. Użytkownik musi mieć prawo odczytu i zapisu do obu.</translation>
    </message>
    <message>
        <source>Die Datenbank wurde nicht gefunden. Prüfen Sie den Datenbankordner (Einstellung SQLDir3).</source>
        <translation>Nie znaleziono bazy danych. Sprawdź folder bazy danych (ustawienie SQLDir3).</translation>
    </message>
    <message>
        <source>Die Datenbankdatei wird gerade von einem anderen Programm benutzt. Beenden Sie das andere Programm oder verwenden Sie einen Datenbankserver für mehrere Arbeitsplätze.</source>
        <translation>Plik bazy danych jest obecnie używany przez inny program. Zamknij ten program lub użyj serwera bazy danych dla wielu stanowisk.</translation>
    </message>
    <message>
        <source>Ein Text ist länger, als sein Feld in der Datenbank erlaubt.</source>
        <translation>Tekst jest dłuższy, niż pozwala na to jego pole w bazie danych.</translation>
    </message>
    <message>
        <source>Dem Benutzer fehlt die Rolle „Benutzer“ in der Datenbank.</source>
        <translation>Użytkownik nie ma roli „Benutzer” w bazie danych.</translation>
    </message>
    <message>
        <source>Keine Verbindung zur Datenbank.</source>
        <translation>Brak połączenia z bazą danych.</translation>
    </message>
    <message>
        <source>Fehler der Datenbank.</source>
        <translation>Błąd bazy danych.</translation>
    </message>
    <message>
        <source>Fehler beim Öffnen der Datenbank. (%1)</source>
        <translation>Błąd podczas otwierania bazy danych. (%1)</translation>
    </message>
    <message>
        <source>Ungültiger Benutzername: nur Buchstaben, Ziffern und _ (höchstens 31 Zeichen, zuerst ein Buchstabe).</source>
        <translation>Nieprawidłowa nazwa użytkownika: dozwolone są tylko litery, cyfry i _ (najwyżej 31 znaków, na początku litera).</translation>
    </message>
    <message>
        <source>Die Benutzerverwaltung braucht einen Datenbankserver (Einstellung SQLServer3); das eingebettete Datenbanksystem prüft keine Passwörter.</source>
        <translation>Zarządzanie użytkownikami wymaga serwera bazy danych (ustawienie SQLServer3); wbudowany system bazy danych nie sprawdza haseł.</translation>
    </message>
    <message>
        <source>Das Passwort darf nicht leer sein.</source>
        <translation>Hasło nie może być puste.</translation>
    </message>
    <message>
        <source>Fehler: Die fettgedruckten Felder sind Pflichtfelder!</source>
        <translation>Błąd: pola pogrubione są obowiązkowe!</translation>
    </message>
    <message>
        <source>Fehler: Das Geburtsdatum muss zwischen dem 01.01.1900 und heute liegen!</source>
        <translation>Błąd: data urodzenia musi mieścić się w przedziale od 01.01.1900 do dnia dzisiejszego!</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nazwisko</translation>
    </message>
    <message>
        <source>Vorname</source>
        <translation>Imię</translation>
    </message>
    <message>
        <source>Patienten-ID</source>
        <translation>ID pacjenta</translation>
    </message>
    <message>
        <source>Krankenkasse</source>
        <translation>Ubezpieczyciel</translation>
    </message>
    <message>
        <source>Versicherten-Nr.</source>
        <translation>Nr ubezpieczenia</translation>
    </message>
    <message>
        <source>Wohnort</source>
        <translation>Miejscowość</translation>
    </message>
    <message>
        <source>Straße</source>
        <translation>Ulica</translation>
    </message>
    <message>
        <source>PLZ</source>
        <translation>Kod pocztowy</translation>
    </message>
    <message>
        <source>Telefon</source>
        <translation>Telefon</translation>
    </message>
    <message>
        <source>Fax</source>
        <translation>Faks</translation>
    </message>
    <message>
        <source>E-Mail</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <source>Größe</source>
        <translation>Wzrost</translation>
    </message>
    <message>
        <source>Gewicht</source>
        <translation>Waga</translation>
    </message>
    <message>
        <source>Fehler: Der Text im Feld „%1“ ist länger als %2 Zeichen.</source>
        <translation>Błąd: tekst w polu „%1” przekracza maksymalną liczbę znaków (%2).</translation>
    </message>
    <message>
        <source>Fehler: Patient bereits vorhanden!</source>
        <translation>Błąd: pacjent już istnieje!</translation>
    </message>
    <message>
        <source>Die Aufzeichnung ist unvollständig (kein Programmkopf).</source>
        <translation>Zapis jest niekompletny (brak nagłówka programu).</translation>
    </message>
    <message>
        <source>Der Datensatz wird gerade an einem anderen Arbeitsplatz bearbeitet oder wurde dort soeben geändert. Ihre Änderung wurde nicht gespeichert. Bitte laden Sie die Liste neu und versuchen Sie es noch einmal.</source>
        <translation>Rekord jest właśnie edytowany na innym stanowisku lub został tam przed chwilą zmieniony. Twoja zmiana nie została zapisana. Załaduj listę ponownie i spróbuj jeszcze raz.</translation>
    </message>
    <message>
        <source>Ein Text enthält ein Zeichen, das der Zeichensatz dieser Datenbank nicht speichern kann. Ersetzen Sie das Zeichen und versuchen Sie es noch einmal.</source>
        <translation>Tekst zawiera znak, którego zestaw znaków tej bazy danych nie może zapisać. Zastąp ten znak i spróbuj jeszcze raz.</translation>
    </message>
    <message>
        <source>Der Zeichensatz der Datenbank oder der Einstellung SQLCodePage3 wird nicht unterstützt.</source>
        <translation>Zestaw znaków bazy danych lub ustawienia SQLCodePage3 nie jest obsługiwany.</translation>
    </message>
    <message>
        <source>Der Patient wurde inzwischen an einem anderen Arbeitsplatz gelöscht. Bitte laden Sie die Liste neu.</source>
        <translation>Pacjent został w międzyczasie usunięty na innym stanowisku. Załaduj listę ponownie.</translation>
    </message>
    <message>
        <source>Patient %1 gelöscht, mit seinen Übungen (%2).</source>
        <translation>Pacjent %1 usunięty wraz z jego ćwiczeniami (%2).</translation>
    </message>
    <message>
        <source>Patient %1 gelöscht; er hatte keine Übungen.</source>
        <translation>Pacjent %1 usunięty; nie miał żadnych ćwiczeń.</translation>
    </message>
    <message>
        <source>Patient %1 gelöscht; seine Übungen bleiben ohne Patient in der Datenbank (%2): %3</source>
        <translation>Pacjent %1 usunięty; jego ćwiczenia pozostają w bazie danych bez pacjenta (%2): %3</translation>
    </message>
    <message>
        <source>Datei kann nicht kopiert werden: %1</source>
        <translation>Nie można skopiować pliku: %1</translation>
    </message>
    <message>
        <source>Datei kann nicht geschrieben werden: %1</source>
        <translation>Nie można zapisać pliku: %1</translation>
    </message>
    <message>
        <source>Die Verbindung zum Datenbankserver wäre nicht verschlüsselt. Patientendaten gehen nur verschlüsselt über das Netz: Stellen Sie auf dem Server WireCrypt = Required ein (zudctl server-setup --system).</source>
        <translation>Połączenie z serwerem bazy danych nie byłoby szyfrowane. Dane pacjentów przesyłane są przez sieć wyłącznie w postaci zaszyfrowanej: ustaw na serwerze WireCrypt = Required (zudctl server-setup --system).</translation>
    </message>
    <message>
        <source>Der Datenbankserver „%1“ (Port %2) ist nicht erreichbar. Prüfen Sie, ob der Server läuft, ob dieser Arbeitsplatz ihn im Netz erreicht und ob Servername und Port (SQLServer3, RemoteServicePort3) stimmen.
(%3)</source>
        <translation>Serwer bazy danych „%1” (port %2) jest nieosiągalny. Sprawdź, czy serwer działa, czy to stanowisko ma do niego dostęp przez sieć oraz czy nazwa serwera i port (SQLServer3, RemoteServicePort3) są poprawne.
(%3)</translation>
    </message>
    <message>
        <source>Die Übung ist nicht mehr vorhanden; sie wurde inzwischen gelöscht (auch an einem anderen Arbeitsplatz oder mit ihrem Patienten). Es wurde nichts geändert.</source>
        <translation>Ćwiczenie już nie istnieje; zostało w międzyczasie usunięte (także na innym stanowisku lub razem z pacjentem). Niczego nie zmieniono.</translation>
    </message>
    <message>
        <source>Der Tabelle %1 fehlt ihr Primärschlüssel auf %2: ein Schlüssel kann doppelt vorkommen.</source>
        <translation>Tabela %1 nie ma klucza głównego na %2: klucz może wystąpić dwukrotnie.</translation>
    </message>
    <message>
        <source>Der Schlüssel %1 = %2 kommt in der Tabelle %3 %4-mal vor.</source>
        <translation>Klucz %1 = %2 występuje %4 razy w tabeli %3.</translation>
    </message>
    <message>
        <source>Der Generator %1 fehlt: neue Zeilen der Tabelle %2 bekommen keinen Schlüssel.</source>
        <translation>Brak generatora %1: nowe wiersze tabeli %2 nie otrzymają klucza.</translation>
    </message>
    <message>
        <source>Der Generator %1 steht auf %2, der größte Schlüssel %3 in %4 ist aber %5: neue Zeilen bekämen Schlüssel, die es schon gibt.</source>
        <translation>Generator %1 ma wartość %2, ale największy klucz %3 w %4 to %5: nowe wiersze otrzymałyby klucze, które już istnieją.</translation>
    </message>
    <message>
        <source>Datenbank geprüft (Übungen: %1, Patienten: %2, Geräte: %3).</source>
        <translation>Baza danych sprawdzona (ćwiczenia: %1, pacjenci: %2, urządzenia: %3).</translation>
    </message>
    <message>
        <source>Keine Probleme gefunden.</source>
        <translation>Nie znaleziono problemów.</translation>
    </message>
    <message>
        <source>Probleme: %1.</source>
        <translation>Problemy: %1.</translation>
    </message>
    <message>
        <source>Hinweis von Firebird (kein Schaden: nach einem unerwarteten Ende eines Programms bleiben Seiten belegt, die nichts enthalten; eine Datensicherung mit Wiederherstellung gibt sie frei): %1.</source>
        <translation>Uwaga Firebird (brak uszkodzeń: po nieoczekiwanym zakończeniu programu pozostają przydzielone strony, które nic nie zawierają; kopia zapasowa i jej przywrócenie je zwalniają): %1.</translation>
    </message>
    <message>
        <source>Andere Arbeitsplätze waren angemeldet: Firebird hat Tabellen und Indizes geprüft, aber nicht die Verwaltungsseiten der Datei. Die vollständige Prüfung läuft, wenn niemand angemeldet ist.</source>
        <translation>Inne stanowiska były zalogowane: Firebird sprawdził tabele i indeksy, ale nie strony administracyjne pliku. Pełne sprawdzenie odbywa się, gdy nikt nie jest zalogowany.</translation>
    </message>
    <message>
        <source>Die Prüfung der Datenbank wurde abgebrochen.</source>
        <translation>Sprawdzanie bazy danych zostało przerwane.</translation>
    </message>
    <message>
        <source>Firebird konnte die Tabelle %1 nicht prüfen: ein angemeldeter Arbeitsplatz hat sie in einer noch offenen Transaktion geändert. Prüfen Sie noch einmal, wenn alle Arbeitsplätze abgemeldet sind.</source>
        <translation>Firebird nie mógł sprawdzić tabeli %1: zalogowane stanowisko zmieniło ją w wciąż otwartej transakcji. Sprawdź ponownie, gdy wszystkie stanowiska się wylogują.</translation>
    </message>
    <message>
        <source>Firebird meldet einen Fehler in der Datenbankdatei: %1</source>
        <translation>Firebird zgłasza błąd w pliku bazy danych: %1</translation>
    </message>
    <message>
        <source>Die Gerätenummer %1 (GERAETEID) ist in QALGERAETE %2-mal vergeben: ihre Übungen gehören zu keinem eindeutigen Gerät.</source>
        <translation>Numer urządzenia %1 (GERAETEID) jest nadany w QALGERAETE %2 razy: jego ćwiczenia nie należą do jednego urządzenia.</translation>
    </message>
    <message>
        <source>Übung %1: %2</source>
        <translation>Ćwiczenie %1: %2</translation>
    </message>
    <message>
        <source>Die Daten können nicht gelesen werden (%1).</source>
        <translation>Nie można odczytać danych (%1).</translation>
    </message>
    <message>
        <source>Die Übung gehört zu keinem Patienten (PATIENT ist leer).</source>
        <translation>Ćwiczenie nie należy do żadnego pacjenta (PATIENT jest pusty).</translation>
    </message>
    <message>
        <source>Der Patient %1 fehlt in der Patiententabelle: die Übung erscheint bei keinem Patienten. Ordnen Sie sie einem Patienten zu (zudctl db move %2 PATIENT).</source>
        <translation>Brak pacjenta %1 w tabeli pacjentów: ćwiczenie nie pojawia się u żadnego pacjenta. Przypisz je pacjentowi (zudctl db move %2 PATIENT).</translation>
    </message>
    <message>
        <source>Das Gerät %1 (TYP) fehlt in der Gerätetabelle QALGERAETE.</source>
        <translation>Brak urządzenia %1 (TYP) w tabeli urządzeń QALGERAETE.</translation>
    </message>
    <message>
        <source>Die Übung ist doppelt gespeichert: Patient, Datum, Uhrzeit und Daten gleichen Übung %1.</source>
        <translation>Ćwiczenie jest zapisane dwukrotnie: pacjent, data, godzina i dane są takie jak w ćwiczeniu %1.</translation>
    </message>
    <message>
        <source>Die Tabellen können nicht vollständig gelesen werden: %1</source>
        <translation>Nie można w całości odczytać tabel: %1</translation>
    </message>
    <message>
        <source>Die Verbindung zum Datenbankserver „%1“ (Port %2) ist abgebrochen; der Vorgang wurde nicht abgeschlossen und nichts davon halb gespeichert. Prüfen Sie, ob der Server läuft. Sobald er wieder erreichbar ist, verbindet sich das Programm bei der nächsten Aktion neu; wiederholen Sie dann den Vorgang.</source>
        <translation>Połączenie z serwerem bazy danych „%1” (port %2) zostało przerwane; operacja nie została ukończona i nic z niej nie zapisano częściowo. Sprawdź, czy serwer działa. Gdy tylko będzie znowu osiągalny, program połączy się ponownie przy następnej czynności; wtedy powtórz operację.</translation>
    </message>
    <message>
        <source>Der Datenbankserver „%1“ (Port %2) ist nicht erreichbar. Prüfen Sie, ob der Server läuft, ob dieser Arbeitsplatz ihn im Netz erreicht und ob Servername und Port (SQLServer3, RemoteServicePort3) stimmen.</source>
        <translation>Serwer bazy danych „%1” (port %2) jest nieosiągalny. Sprawdź, czy serwer działa, czy to stanowisko ma do niego dostęp przez sieć oraz czy nazwa serwera i port (SQLServer3, RemoteServicePort3) są poprawne.</translation>
    </message>
    <message>
        <source>Kein Platz auf %1: Der Datenträger der Datenbank ist voll. Schaffen Sie dort Platz und versuchen Sie es erneut.</source>
        <translation>Brak miejsca na %1: dysk bazy danych jest pełny. Zwolnij tam miejsce i spróbuj ponownie.</translation>
    </message>
</context>
<context>
    <name>DrawChart</name>
    <message>
        <source>Druck</source>
        <translation>Ciśnienie</translation>
    </message>
</context>
<context>
    <name>EdfExport</name>
    <message>
        <source>Entspannen</source>
        <translation>Rozluźnienie</translation>
    </message>
    <message>
        <source>Anspannen</source>
        <translation>Napięcie</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Przerwa</translation>
    </message>
    <message>
        <source>Strom</source>
        <translation>Prąd</translation>
    </message>
    <message>
        <source>Phase %1</source>
        <translation>Faza %1</translation>
    </message>
    <message>
        <source>Die Übung enthält keine Messwerte, die als EDF+ exportiert werden können.</source>
        <translation>Ćwiczenie nie zawiera wartości pomiarowych, które można wyeksportować jako EDF+.</translation>
    </message>
    <message>
        <source>Datei kann nicht geschrieben werden: %1</source>
        <translation>Nie można zapisać pliku: %1</translation>
    </message>
    <message>
        <source>Die EDF+-Datei %1 konnte nicht geschrieben werden.</source>
        <translation>Nie udało się zapisać pliku EDF+ %1.</translation>
    </message>
</context>
<context>
    <name>Gdt</name>
    <message>
        <source>Zeile %1: %2</source>
        <translation>Wiersz %1: %2</translation>
    </message>
    <message>
        <source>Die GDT-Datei ist leer.</source>
        <translation>Plik GDT jest pusty.</translation>
    </message>
    <message>
        <source>Die GDT-Datei ist zu groß für einen Satz.</source>
        <translation>Plik GDT jest za duży na jeden rekord.</translation>
    </message>
    <message>
        <source>Die Zeile endet nicht mit CR LF (Datei unvollständig?).</source>
        <translation>Wiersz nie kończy się znakami CR LF (niekompletny plik?).</translation>
    </message>
    <message>
        <source>Die Zeile hat nicht die Form Länge, Feldkennung, Inhalt.</source>
        <translation>Wiersz nie ma postaci: długość, identyfikator pola, treść.</translation>
    </message>
    <message>
        <source>Die Zeilenlänge %1 stimmt nicht (tatsächlich %2 Zeichen).</source>
        <translation>Długość wiersza %1 jest błędna (faktycznie %2 znaków).</translation>
    </message>
    <message>
        <source>Die Zeile enthält ein CR.</source>
        <translation>Wiersz zawiera znak CR.</translation>
    </message>
    <message>
        <source>Der Satz beginnt nicht mit der Satzart (Feld 8000).</source>
        <translation>Rekord nie zaczyna się od typu rekordu (pole 8000).</translation>
    </message>
    <message>
        <source>Die Satzart ist keine vierstellige Zahl.</source>
        <translation>Typ rekordu nie jest liczbą czterocyfrową.</translation>
    </message>
    <message>
        <source>Die Datei enthält mehr als einen Satz.</source>
        <translation>Plik zawiera więcej niż jeden rekord.</translation>
    </message>
    <message>
        <source>Die Satzlänge (Feld 8100) fehlt.</source>
        <translation>Brak długości rekordu (pole 8100).</translation>
    </message>
    <message>
        <source>Die Satzlänge %1 stimmt nicht mit der Dateigröße %2 überein.</source>
        <translation>Długość rekordu %1 nie zgadza się z rozmiarem pliku %2.</translation>
    </message>
    <message>
        <source>Unbekannter Zeichensatz „%1“.</source>
        <translation>Nieznany zestaw znaków „%1”.</translation>
    </message>
    <message>
        <source>Die GDT-Version (Feld 9218) fehlt.</source>
        <translation>Brak wersji GDT (pole 9218).</translation>
    </message>
    <message>
        <source>Die GDT-Version „%1“ wird nicht unterstützt (2.x oder 3.x).</source>
        <translation>Wersja GDT „%1” nie jest obsługiwana (2.x lub 3.x).</translation>
    </message>
    <message>
        <source>Die Datei ist an „%1“ gerichtet, nicht an „%2“.</source>
        <translation>Plik jest adresowany do „%1”, nie do „%2”.</translation>
    </message>
    <message>
        <source>Das Zeichen „%1“ in Feld %2 („%3“) kann im gewählten GDT-Zeichensatz nicht übertragen werden. Bitte wählen Sie in den Einstellungen einen anderen Zeichensatz oder ändern Sie den Text.</source>
        <translation>Znaku „%1” w polu %2 („%3”) nie można przesłać w wybranym zestawie znaków GDT. Wybierz inny zestaw znaków w ustawieniach lub zmień tekst.</translation>
    </message>
    <message>
        <source>Der Inhalt von Feld %1 ist zu lang für eine GDT-Zeile.</source>
        <translation>Zawartość pola %1 jest za długa na wiersz GDT.</translation>
    </message>
    <message>
        <source>Der GDT-Satz ist länger als 99999 Zeichen.</source>
        <translation>Rekord GDT jest dłuższy niż 99999 znaków.</translation>
    </message>
    <message>
        <source>Die Satzart %1 wird nicht angenommen (6301, 6302 oder 6311).</source>
        <translation>Typ rekordu %1 nie jest przyjmowany (6301, 6302 lub 6311).</translation>
    </message>
    <message>
        <source>Der Dateiverweis „%1“ zeigt aus dem GDT-Austauschordner hinaus.</source>
        <translation>Odwołanie do pliku „%1” wskazuje poza folder wymiany GDT.</translation>
    </message>
    <message>
        <source>Das Geburtsdatum „%1“ ist kein Datum (TTMMJJJJ).</source>
        <translation>Data urodzenia „%1” nie jest datą (DDMMRRRR).</translation>
    </message>
    <message>
        <source>Die Anfrage nennt weder eine Patientennummer (3000) noch Name und Vorname.</source>
        <translation>Żądanie nie podaje ani numeru pacjenta (3000), ani nazwiska i imienia.</translation>
    </message>
    <message>
        <source>Das Datum der Untersuchung (Feld 6200) fehlt oder ist ungültig.</source>
        <translation>Brak daty badania (pole 6200) lub jest nieprawidłowa.</translation>
    </message>
    <message>
        <source>Die Uhrzeit der Untersuchung (Feld 6201) fehlt oder ist ungültig.</source>
        <translation>Brak godziny badania (pole 6201) lub jest nieprawidłowa.</translation>
    </message>
    <message>
        <source>Die GDT-Datei %1 wurde abgelehnt: %2 Sie konnte nicht in den Ordner „fehler“ verschoben werden; bitte entfernen Sie sie von Hand.</source>
        <translation>Plik GDT %1 został odrzucony: %2 Nie udało się przenieść go do folderu „fehler”; usuń go ręcznie.</translation>
    </message>
    <message>
        <source>Die GDT-Datei %1 wurde abgelehnt und in den Ordner „fehler“ verschoben: %2</source>
        <translation>Plik GDT %1 został odrzucony i przeniesiony do folderu „fehler”: %2</translation>
    </message>
    <message>
        <source>Die GDT-Datei %1 kann nicht gelesen werden: %2</source>
        <translation>Nie można odczytać pliku GDT %1: %2</translation>
    </message>
    <message>
        <source>Praxissoftware: Die Übung vom %1 um %2 von %3 ist nicht gespeichert.</source>
        <translation>Oprogramowanie gabinetu: ćwiczenie z %1 o %2 pacjenta %3 nie jest zapisane.</translation>
    </message>
    <message>
        <source>Praxissoftware: Patient %1 wurde angelegt.</source>
        <translation>Oprogramowanie gabinetu: utworzono pacjenta %1.</translation>
    </message>
    <message>
        <source>Praxissoftware: Patient %1 ausgewählt.</source>
        <translation>Oprogramowanie gabinetu: wybrano pacjenta %1.</translation>
    </message>
    <message>
        <source>Betriebsart</source>
        <translation>Tryb pracy</translation>
    </message>
    <message>
        <source>Übungslänge</source>
        <translation>Długość ćwiczenia</translation>
    </message>
    <message>
        <source>%1 Mittelwert</source>
        <translation>%1 średnia</translation>
    </message>
    <message>
        <source>%1 Minimum</source>
        <translation>%1 minimum</translation>
    </message>
    <message>
        <source>%1 Maximum</source>
        <translation>%1 maksimum</translation>
    </message>
    <message>
        <source>Haltedauer</source>
        <translation>Czas utrzymania</translation>
    </message>
    <message>
        <source>Basisdruck</source>
        <translation>Ciśnienie bazowe</translation>
    </message>
    <message>
        <source>Die Übung gehört zu keinem gespeicherten Patienten.</source>
        <translation>Ćwiczenie nie należy do żadnego zapisanego pacjenta.</translation>
    </message>
    <message>
        <source>Bericht der Übung vom %1</source>
        <translation>Raport z ćwiczenia z %1</translation>
    </message>
    <message>
        <source>Im GDT-Austauschordner liegen 999 unabgeholte Ergebnisdateien. Bitte prüfen Sie, ob die Praxissoftware sie abholt.</source>
        <translation>W folderze wymiany GDT znajduje się 999 nieodebranych plików wyników. Sprawdź, czy oprogramowanie gabinetu je odbiera.</translation>
    </message>
    <message>
        <source>Bitte geben Sie den GDT-Austauschordner an.</source>
        <translation>Podaj folder wymiany GDT.</translation>
    </message>
    <message>
        <source>Der GDT-Austauschordner „%1“ ist nicht vorhanden. Bitte legen Sie ihn an oder wählen Sie einen anderen.</source>
        <translation>Folder wymiany GDT „%1” nie istnieje. Utwórz go lub wybierz inny.</translation>
    </message>
    <message>
        <source>Die GDT-Kennungen müssen 1 bis 8 Buchstaben oder Ziffern lang sein.</source>
        <translation>Identyfikatory GDT muszą mieć od 1 do 8 liter lub cyfr.</translation>
    </message>
    <message>
        <source>Die eigene GDT-Kennung und die der Praxissoftware müssen sich unterscheiden.</source>
        <translation>Własny identyfikator GDT i identyfikator oprogramowania gabinetu muszą się różnić.</translation>
    </message>
    <message>
        <source>Der Untersuchungscode ist zu lang.</source>
        <translation>Kod badania jest za długi.</translation>
    </message>
    <message>
        <source>Die Praxissoftware hat das vorige Ergebnis (%1) noch nicht abgeholt. Bitte lassen Sie es dort einlesen oder stellen Sie in den GDT-Einstellungen nummerierte Ergebnisdateien ein.</source>
        <translation>Oprogramowanie gabinetu nie odebrało jeszcze poprzedniego wyniku (%1). Proszę go tam zaimportować albo włączyć numerowane pliki wyników w ustawieniach GDT.</translation>
    </message>
    <message>
        <source>Die Datei ist nicht vorhanden.</source>
        <translation>Plik nie istnieje.</translation>
    </message>
    <message>
        <source>Sie ist keine GDT-Datei (sie beginnt nicht mit dem Feld 8000) oder größer als eine Anfrage sein kann.</source>
        <translation>To nie jest plik GDT (nie zaczyna się od pola 8000) albo jest większy, niż może być zlecenie.</translation>
    </message>
</context>
<context>
    <name>Geraet</name>
    <message>
        <source>die Schnittstelle ist nicht vorhanden (Kabel eingesteckt?)</source>
        <translation>port nie istnieje (czy kabel jest podłączony?)</translation>
    </message>
    <message>
        <source>keine Berechtigung: der Benutzer muss Mitglied der Gruppe dialout sein (danach neu anmelden)</source>
        <translation>brak uprawnień: użytkownik musi należeć do grupy dialout (następnie zaloguj się ponownie)</translation>
    </message>
    <message>
        <source>die Schnittstelle wird von einem anderen Programm benutzt</source>
        <translation>port jest używany przez inny program</translation>
    </message>
    <message>
        <source>das ist keine serielle Schnittstelle</source>
        <translation>to nie jest port szeregowy</translation>
    </message>
    <message>
        <source>Schnittstelle kann nicht geöffnet werden</source>
        <translation>Nie można otworzyć portu</translation>
    </message>
    <message>
        <source>&apos;%1&apos; ist kein gültiger Integerwert</source>
        <translation>„%1” nie jest prawidłową liczbą całkowitą</translation>
    </message>
    <message>
        <source>Kein Gerät erkannt!</source>
        <translation>Nie wykryto urządzenia!</translation>
    </message>
    <message>
        <source>Die Firmware am Gerät unterstützt diese Funktion nicht!</source>
        <translation>Firmware urządzenia nie obsługuje tej funkcji!</translation>
    </message>
    <message>
        <source>Während der Kommunikation ist ein Fehler aufgetreten!</source>
        <translation>Podczas komunikacji wystąpił błąd!</translation>
    </message>
    <message>
        <source>Gerät wird nicht unterstützt</source>
        <translation>Urządzenie nie jest obsługiwane</translation>
    </message>
    <message>
        <source>ZUD12 Typ %1</source>
        <translation>ZUD12 typ %1</translation>
    </message>
</context>
<context>
    <name>Login</name>
    <message>
        <source>Benutzer</source>
        <translation>Użytkownik</translation>
    </message>
</context>
<context>
    <name>Phasengruppen</name>
    <message>
        <source>Entspannen</source>
        <translation>Rozluźnienie</translation>
    </message>
    <message>
        <source>Anspannen</source>
        <translation>Napięcie</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Przerwa</translation>
    </message>
    <message>
        <source>Strom</source>
        <translation>Prąd</translation>
    </message>
    <message>
        <source>Druck</source>
        <translation>Ciśnienie</translation>
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
        <translation>Rozluźnienie CH1</translation>
    </message>
    <message>
        <source>Anspannen CH1</source>
        <translation>Napięcie CH1</translation>
    </message>
    <message>
        <source>Entspannen CH2</source>
        <translation>Rozluźnienie CH2</translation>
    </message>
    <message>
        <source>Anspannen CH2</source>
        <translation>Napięcie CH2</translation>
    </message>
</context>
<context>
    <name>Programmierung</name>
    <message>
        <source>Dauerbetrieb</source>
        <translation>Praca ciągła</translation>
    </message>
    <message>
        <source>%1min</source>
        <translation>%1min</translation>
    </message>
    <message>
        <source>Einige Texte konnten nicht in die eingestellte Sprache des Gerätes konvertiert werden. Überprüfen Sie die Anzeige!</source>
        <translation>Niektórych tekstów nie udało się przekonwertować na język ustawiony w urządzeniu. Sprawdź wyświetlacz!</translation>
    </message>
    <message>
        <source>Lade Systemparameter ...</source>
        <translation>Wczytywanie parametrów systemowych ...</translation>
    </message>
    <message>
        <source>Lade Therapeutendaten ...</source>
        <translation>Wczytywanie danych terapeutów ...</translation>
    </message>
    <message>
        <source>Laden abgebrochen.</source>
        <translation>Wczytywanie przerwane.</translation>
    </message>
    <message>
        <source>Datei kann nicht gelesen werden: %1 (%2)</source>
        <translation>Nie można odczytać pliku: %1 (%2)</translation>
    </message>
    <message>
        <source>Es ist ein anderes Gerät angeschlossen als beim Laden (S/N %1). Bitte die Programmierung neu starten.</source>
        <translation>Podłączono inne urządzenie niż wczytane (nr ser. %1). Uruchom programowanie ponownie.</translation>
    </message>
    <message>
        <source>Lösche Übungen (Therapeut %1, Patient %2)</source>
        <translation>Usuwanie ćwiczeń (terapeuta %1, pacjent %2)</translation>
    </message>
    <message>
        <source>Werkszustand</source>
        <translation>Stan fabryczny</translation>
    </message>
    <message>
        <source>Werkseinstellungen abgebrochen: die Übungen von %1 Patienten wurden gelöscht, das Gerät behält seine Programme.</source>
        <translation>Przywracanie ustawień fabrycznych przerwane: usunięto ćwiczenia %1 pacjentów; urządzenie zachowuje swoje programy.</translation>
    </message>
    <message>
        <source>Übertrage Programme ...</source>
        <translation>Przesyłanie programów ...</translation>
    </message>
    <message>
        <source>Übertragen abgebrochen: %1 Dateien wurden übertragen. Die übrigen Änderungen überträgt das nächste „Übertragen“.</source>
        <translation>Przesyłanie przerwane: przesłano %1 plików. Pozostałe zmiany prześle następne „Prześlij”.</translation>
    </message>
</context>
<context>
    <name>Ribbon</name>
    <message>
        <source>Dieser Befehl ist deaktiviert.</source>
        <translation>To polecenie jest wyłączone.</translation>
    </message>
</context>
<context>
    <name>Rohdaten</name>
    <message>
        <source>Entspannen</source>
        <translation>Rozluźnienie</translation>
    </message>
    <message>
        <source>Anspannen</source>
        <translation>Napięcie</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Przerwa</translation>
    </message>
    <message>
        <source>Strom</source>
        <translation>Prąd</translation>
    </message>
</context>
<context>
    <name>Statistik</name>
    <message>
        <source>Einkanalig</source>
        <translation>Jednokanałowe</translation>
    </message>
    <message>
        <source>Zweikanalig</source>
        <translation>Dwukanałowe</translation>
    </message>
    <message>
        <source>EMG-gesteuert</source>
        <translation>Sterowane EMG</translation>
    </message>
    <message>
        <source>Druck</source>
        <translation>Ciśnienie</translation>
    </message>
    <message>
        <source>Training Druck</source>
        <translation>Trening ciśnienia</translation>
    </message>
    <message>
        <source>Nr</source>
        <translation>Nr</translation>
    </message>
    <message>
        <source>Datum</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Uhrzeit</source>
        <translation>Godzina</translation>
    </message>
    <message>
        <source>Programmname</source>
        <translation>Nazwa programu</translation>
    </message>
    <message>
        <source>Betriebsart</source>
        <translation>Tryb pracy</translation>
    </message>
    <message>
        <source>Übungslänge</source>
        <translation>Długość ćwiczenia</translation>
    </message>
    <message>
        <source>Entspannen min</source>
        <translation>Rozluźnienie min</translation>
    </message>
    <message>
        <source>Entspannen max</source>
        <translation>Rozluźnienie maks</translation>
    </message>
    <message>
        <source>Entspannen Ø</source>
        <translation>Rozluźnienie Ø</translation>
    </message>
    <message>
        <source>Anspannen min</source>
        <translation>Napięcie min</translation>
    </message>
    <message>
        <source>Anspannen max</source>
        <translation>Napięcie maks</translation>
    </message>
    <message>
        <source>Anspannen Ø</source>
        <translation>Napięcie Ø</translation>
    </message>
    <message>
        <source>Pause min</source>
        <translation>Przerwa min</translation>
    </message>
    <message>
        <source>Pause max</source>
        <translation>Przerwa maks</translation>
    </message>
    <message>
        <source>Pause Ø</source>
        <translation>Przerwa Ø</translation>
    </message>
    <message>
        <source>Strom min</source>
        <translation>Prąd min</translation>
    </message>
    <message>
        <source>Strom max</source>
        <translation>Prąd maks</translation>
    </message>
    <message>
        <source>Strom Ø</source>
        <translation>Prąd Ø</translation>
    </message>
    <message>
        <source>Entspannen min CH1</source>
        <translation>Rozluźnienie min CH1</translation>
    </message>
    <message>
        <source>Entspannen max CH1</source>
        <translation>Rozluźnienie maks CH1</translation>
    </message>
    <message>
        <source>Entspannen Ø CH1</source>
        <translation>Rozluźnienie Ø CH1</translation>
    </message>
    <message>
        <source>Anspannen min CH1</source>
        <translation>Napięcie min CH1</translation>
    </message>
    <message>
        <source>Anspannen max CH1</source>
        <translation>Napięcie maks CH1</translation>
    </message>
    <message>
        <source>Anspannen Ø CH1</source>
        <translation>Napięcie Ø CH1</translation>
    </message>
    <message>
        <source>Entspannen min CH2</source>
        <translation>Rozluźnienie min CH2</translation>
    </message>
    <message>
        <source>Entspannen max CH2</source>
        <translation>Rozluźnienie maks CH2</translation>
    </message>
    <message>
        <source>Entspannen Ø CH2</source>
        <translation>Rozluźnienie Ø CH2</translation>
    </message>
    <message>
        <source>Anspannen min CH2</source>
        <translation>Napięcie min CH2</translation>
    </message>
    <message>
        <source>Anspannen max CH2</source>
        <translation>Napięcie maks CH2</translation>
    </message>
    <message>
        <source>Anspannen Ø CH2</source>
        <translation>Napięcie Ø CH2</translation>
    </message>
    <message>
        <source>Druck min</source>
        <translation>Ciśnienie min</translation>
    </message>
    <message>
        <source>Druck max</source>
        <translation>Ciśnienie maks</translation>
    </message>
    <message>
        <source>Druck Ø</source>
        <translation>Ciśnienie Ø</translation>
    </message>
    <message>
        <source>max. Haltedauer</source>
        <translation>Maks. czas utrzymania</translation>
    </message>
    <message>
        <source>Basisdruck</source>
        <translation>Ciśnienie bazowe</translation>
    </message>
    <message>
        <source>EMG min CH1</source>
        <translation>EMG min CH1</translation>
    </message>
    <message>
        <source>EMG max CH1</source>
        <translation>EMG maks CH1</translation>
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
        <translation>EMG maks CH2</translation>
    </message>
    <message>
        <source>EMG Ø CH2</source>
        <translation>EMG Ø CH2</translation>
    </message>
    <message>
        <source>keine Übungen gespeichert</source>
        <translation>brak zapisanych ćwiczeń</translation>
    </message>
    <message>
        <source>keine Übung mit fester Übungsdauer über 2 min</source>
        <translation>brak ćwiczenia o stałym czasie trwania powyżej 2 min</translation>
    </message>
    <message>
        <source>nicht hinterlegt</source>
        <translation>nie podano</translation>
    </message>
    <message>
        <source>nicht hinterlegt („%1“ ist keine Seriennummer)</source>
        <translation>nie podano („%1” nie jest numerem seryjnym)</translation>
    </message>
</context>
<context>
    <name>zud::ui::ApplicationChangeWindow</name>
    <message>
        <source>Anwendung wechseln</source>
        <translation>Zmień aplikację</translation>
    </message>
    <message>
        <source>Zurück</source>
        <translation>Wstecz</translation>
    </message>
    <message>
        <source>Wechseln</source>
        <translation>Zmień</translation>
    </message>
    <message>
        <source>Allgemein</source>
        <translation>Ogólne</translation>
    </message>
    <message>
        <source>Anwendung</source>
        <translation>Aplikacja</translation>
    </message>
    <message>
        <source>Anwendungen:</source>
        <translation>Aplikacje:</translation>
    </message>
    <message>
        <source>Firmware-Version</source>
        <translation>Wersja oprogramowania</translation>
    </message>
    <message>
        <source>Firmware-Datum</source>
        <translation>Data oprogramowania</translation>
    </message>
    <message>
        <source>Lösche Übungen...</source>
        <translation>Usuwanie ćwiczeń...</translation>
    </message>
    <message>
        <source>Werkszustand</source>
        <translation>Stan fabryczny</translation>
    </message>
    <message>
        <source>%1 (aktiv)</source>
        <translation>%1 (aktywna)</translation>
    </message>
    <message>
        <source>Die aktive Anwendung des Gerätes.</source>
        <translation>Aktywna aplikacja urządzenia.</translation>
    </message>
    <message>
        <source>%1 (nicht freigeschaltet)</source>
        <translation>%1 (nieodblokowana)</translation>
    </message>
    <message>
        <source>Das Gerät meldet diese Anwendung nicht als freigeschaltet.</source>
        <translation>Urządzenie nie zgłasza tej aplikacji jako odblokowanej.</translation>
    </message>
    <message>
        <source>Aktive Anwendung</source>
        <translation>Aktywna aplikacja</translation>
    </message>
    <message>
        <source>keine</source>
        <translation>brak</translation>
    </message>
    <message>
        <source>Freigeschaltet</source>
        <translation>Odblokowane</translation>
    </message>
    <message>
        <source>Das Gerät wird auf die Anwendung „%1“ umgestellt. Hierdurch werden alle Übungen und Patienten auf dem Gerät gelöscht und das Gerät auf Werkseinstellungen zurückgesetzt; die Datenbank bleibt unverändert. Übungen, die noch nicht ausgelesen wurden, gehen verloren.

Möchten Sie fortfahren?</source>
        <translation>Urządzenie zostanie przełączone na aplikację „%1”. Spowoduje to usunięcie wszystkich ćwiczeń i pacjentów w urządzeniu oraz przywrócenie ustawień fabrycznych; baza danych pozostaje bez zmian. Ćwiczenia, które nie zostały jeszcze odczytane, zostaną utracone.

Czy chcesz kontynuować?</translation>
    </message>
    <message>
        <source>Vorher auslesen</source>
        <translation>Najpierw odczytaj</translation>
    </message>
    <message>
        <source>Das Gerät meldet die Anwendung „%1“ nicht als freigeschaltet. Ohne Freischaltung kann das Gerät nach dem Wechsel womöglich keine Übungen ausführen, bis wieder auf eine freigeschaltete Anwendung gewechselt wird.

Trotzdem wechseln?</source>
        <translation>Urządzenie nie zgłasza aplikacji „%1” jako odblokowanej. Bez odblokowania urządzenie może po zmianie nie wykonywać ćwiczeń, dopóki nie zostanie przełączone z powrotem na odblokowaną aplikację.

Mimo to przełączyć?</translation>
    </message>
</context>
<context>
    <name>zud::ui::ChartFrame</name>
    <message>
        <source>Diese Übung enthält keine darstellbaren Messwerte.</source>
        <translation>To ćwiczenie nie zawiera wartości do wyświetlenia.</translation>
    </message>
</context>
<context>
    <name>zud::ui::CheckPatientModel</name>
    <message>
        <source>Name</source>
        <translation>Nazwisko</translation>
    </message>
    <message>
        <source>Letzter Zugriff</source>
        <translation>Ostatni dostęp</translation>
    </message>
    <message>
        <source>Geburtsdatum</source>
        <translation>Data urodzenia</translation>
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
        <translation>Data</translation>
    </message>
    <message>
        <source>Uhrzeit</source>
        <translation>Godzina</translation>
    </message>
    <message>
        <source>Übungslänge</source>
        <translation>Długość ćwiczenia</translation>
    </message>
    <message>
        <source>bereits gespeichert</source>
        <translation>już zapisane</translation>
    </message>
    <message>
        <source>Datenbank</source>
        <translation>Baza danych</translation>
    </message>
    <message>
        <source>gleiche Uhrzeit bei %1</source>
        <translation>ta sama godzina: %1</translation>
    </message>
</context>
<context>
    <name>zud::ui::ExchangeForm</name>
    <message>
        <source>Abbrechen</source>
        <translation>Anuluj</translation>
    </message>
</context>
<context>
    <name>zud::ui::ExchangeProgress</name>
    <message>
        <source>Abbrechen</source>
        <translation>Anuluj</translation>
    </message>
</context>
<context>
    <name>zud::ui::ExportWindow</name>
    <message>
        <source>Daten exportieren</source>
        <translation>Eksport danych</translation>
    </message>
    <message>
        <source>Exportieren</source>
        <translation>Eksportuj</translation>
    </message>
    <message>
        <source>Zurück</source>
        <translation>Wstecz</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Eksport</translation>
    </message>
    <message>
        <source>Archive</source>
        <translation>Archiwa</translation>
    </message>
    <message>
        <source>Die Daten wurden exportiert (Patienten: %1) in die Datei:
%2</source>
        <translation>Dane zostały wyeksportowane (pacjenci: %1) do pliku:
%2</translation>
    </message>
</context>
<context>
    <name>zud::ui::GdtSettingsDialog</name>
    <message>
        <source>GDT-Einstellungen</source>
        <translation>Ustawienia GDT</translation>
    </message>
    <message>
        <source>Verbindung zur Praxissoftware (GDT) aktiv</source>
        <translation>Połączenie z oprogramowaniem gabinetu (GDT) aktywne</translation>
    </message>
    <message>
        <source>Durchsuchen…</source>
        <translation>Przeglądaj…</translation>
    </message>
    <message>
        <source>GDT-Austauschordner</source>
        <translation>Folder wymiany GDT</translation>
    </message>
    <message>
        <source>Austauschordner:</source>
        <translation>Folder wymiany:</translation>
    </message>
    <message>
        <source>Eigene GDT-ID:</source>
        <translation>Własny identyfikator GDT:</translation>
    </message>
    <message>
        <source>GDT-ID der Praxissoftware:</source>
        <translation>Identyfikator GDT oprogramowania gabinetu:</translation>
    </message>
    <message>
        <source>Version:</source>
        <translation>Wersja:</translation>
    </message>
    <message>
        <source>7 Bit (DIN 66003)</source>
        <translation>7 bitów (DIN 66003)</translation>
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
        <translation>Zestaw znaków:</translation>
    </message>
    <message>
        <source>Untersuchungscode (8402):</source>
        <translation>Kod badania (8402):</translation>
    </message>
    <message>
        <source>Ergebnisse nach dem Auslesen und nach dem Speichern einer Echtzeitmessung automatisch senden</source>
        <translation>Wysyłaj wyniki automatycznie po odczycie ćwiczeń i po zapisaniu pomiaru w czasie rzeczywistym</translation>
    </message>
    <message>
        <source>Berichtsseite als PDF mitsenden</source>
        <translation>Dołącz stronę raportu jako PDF</translation>
    </message>
    <message>
        <source>Ergebnisdateien nummerieren (.001, .002, …)</source>
        <translation>Numeruj pliki wyników (.001, .002, …)</translation>
    </message>
</context>
<context>
    <name>zud::ui::ImportWindow</name>
    <message>
        <source>Daten importieren</source>
        <translation>Import danych</translation>
    </message>
    <message>
        <source>Archiv öffnen</source>
        <translation>Otwórz archiwum</translation>
    </message>
    <message>
        <source>Importieren</source>
        <translation>Importuj</translation>
    </message>
    <message>
        <source>Zurück</source>
        <translation>Wstecz</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Import</translation>
    </message>
    <message>
        <source>Archive</source>
        <translation>Archiwa</translation>
    </message>
    <message>
        <source>Die Daten wurden importiert (Patienten: %1) aus der Datei:
%2</source>
        <translation>Dane zostały zaimportowane (pacjenci: %1) z pliku:
%2</translation>
    </message>
</context>
<context>
    <name>zud::ui::LiveSessionPanel</name>
    <message>
        <source>Patient</source>
        <translation>Pacjent</translation>
    </message>
    <message>
        <source>Programm</source>
        <translation>Program</translation>
    </message>
    <message>
        <source>Zeit</source>
        <translation>Czas</translation>
    </message>
    <message>
        <source>Zyklus</source>
        <translation>Cykl</translation>
    </message>
    <message>
        <source>Im Zielbereich</source>
        <translation>W strefie docelowej</translation>
    </message>
    <message>
        <source>kein Patient gewählt</source>
        <translation>nie wybrano pacjenta</translation>
    </message>
    <message>
        <source>%1 von %2</source>
        <translation>%1 z %2</translation>
    </message>
    <message>
        <source>Wert</source>
        <translation>Wartość</translation>
    </message>
    <message>
        <source>Strom</source>
        <translation>Prąd</translation>
    </message>
    <message>
        <source>Druck</source>
        <translation>Ciśnienie</translation>
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
        <translation>Cel: powyżej progu</translation>
    </message>
    <message>
        <source>Ziel: unter der Schwelle</source>
        <translation>Cel: poniżej progu</translation>
    </message>
    <message>
        <source>Dauerbetrieb</source>
        <translation>Praca ciągła</translation>
    </message>
    <message>
        <source>Gesamtdauer: %1</source>
        <translation>Łącznie: %1</translation>
    </message>
</context>
<context>
    <name>zud::ui::LoginDialog</name>
    <message>
        <source>Login</source>
        <translation>Logowanie</translation>
    </message>
    <message>
        <source>Benutzer:</source>
        <translation>Użytkownik:</translation>
    </message>
    <message>
        <source>Passwort:</source>
        <translation>Hasło:</translation>
    </message>
    <message>
        <source>Diesen Login immer benutzen</source>
        <translation>Zawsze używaj tych danych logowania</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Anuluj</translation>
    </message>
</context>
<context>
    <name>zud::ui::MainWindow</name>
    <message>
        <source>Gebrauchsanweisung</source>
        <translation>Instrukcja obsługi</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Informacje</translation>
    </message>
    <message>
        <source>Software-Update</source>
        <translation>Aktualizacja oprogramowania</translation>
    </message>
    <message>
        <source>Beenden</source>
        <translation>Zakończ</translation>
    </message>
    <message>
        <source>Programmieren</source>
        <translation>Programuj</translation>
    </message>
    <message>
        <source>Übungen auslesen</source>
        <translation>Odczytaj ćwiczenia</translation>
    </message>
    <message>
        <source>Echtzeit Start</source>
        <translation>Start czasu rzeczywistego</translation>
    </message>
    <message>
        <source>Echtzeit Stop</source>
        <translation>Stop czasu rzeczywistego</translation>
    </message>
    <message>
        <source>Anwendung wechseln</source>
        <translation>Zmień aplikację</translation>
    </message>
    <message>
        <source>Aktualisieren</source>
        <translation>Odśwież</translation>
    </message>
    <message>
        <source>Anschluss</source>
        <translation>Połączenie</translation>
    </message>
    <message>
        <source>Baudrate</source>
        <translation>Prędkość transmisji</translation>
    </message>
    <message>
        <source>Patienten</source>
        <translation>Pacjenci</translation>
    </message>
    <message>
        <source>Patient hinzufügen</source>
        <translation>Dodaj pacjenta</translation>
    </message>
    <message>
        <source>Patient löschen</source>
        <translation>Usuń pacjenta</translation>
    </message>
    <message>
        <source>Statistik</source>
        <translation>Statystyka</translation>
    </message>
    <message>
        <source>Übung laden</source>
        <translation>Wczytaj ćwiczenie</translation>
    </message>
    <message>
        <source>Übung löschen</source>
        <translation>Usuń ćwiczenie</translation>
    </message>
    <message>
        <source>Übung speichern</source>
        <translation>Zapisz ćwiczenie</translation>
    </message>
    <message>
        <source>Bemerkung hinzufügen/ändern</source>
        <translation>Dodaj/edytuj uwagę</translation>
    </message>
    <message>
        <source>Druckvorschau</source>
        <translation>Podgląd wydruku</translation>
    </message>
    <message>
        <source>Als PDF exportieren</source>
        <translation>Eksportuj do PDF</translation>
    </message>
    <message>
        <source>Daten Exportieren</source>
        <translation>Eksportuj dane</translation>
    </message>
    <message>
        <source>Daten Importieren</source>
        <translation>Importuj dane</translation>
    </message>
    <message>
        <source>Datenbank sichern</source>
        <translation>Kopia zapasowa bazy danych</translation>
    </message>
    <message>
        <source>Datenbank wiederherstellen</source>
        <translation>Przywróć bazę danych</translation>
    </message>
    <message>
        <source>Rohdaten exportieren</source>
        <translation>Eksportuj dane surowe</translation>
    </message>
    <message>
        <source>Rohdaten der angezeigten Datei in eine CSV-Datei exportieren.</source>
        <translation>Eksportuje dane surowe wyświetlanego pliku do pliku CSV.</translation>
    </message>
    <message>
        <source>Login</source>
        <translation>Zaloguj</translation>
    </message>
    <message>
        <source>Logout</source>
        <translation>Wyloguj</translation>
    </message>
    <message>
        <source>Passwort ändern</source>
        <translation>Zmień hasło</translation>
    </message>
    <message>
        <source>DB-Manager</source>
        <translation>DB-Manager</translation>
    </message>
    <message>
        <source>Patienten/Übungen verbergen</source>
        <translation>Ukryj pacjentów/ćwiczenia</translation>
    </message>
    <message>
        <source>Patienten/Übungen anzeigen</source>
        <translation>Pokaż pacjentów/ćwiczenia</translation>
    </message>
    <message>
        <source>Alle Übungen anordnen</source>
        <translation>Rozmieść wszystkie ćwiczenia</translation>
    </message>
    <message>
        <source>Liniendiagramm</source>
        <translation>Wykres liniowy</translation>
    </message>
    <message>
        <source>Flächendiagramm</source>
        <translation>Wykres warstwowy</translation>
    </message>
    <message>
        <source>Gitterlinien X-Achse +</source>
        <translation>Linie siatki osi X +</translation>
    </message>
    <message>
        <source>Gitterlinien X-Achse -</source>
        <translation>Linie siatki osi X -</translation>
    </message>
    <message>
        <source>Gitterlinien Y-Achse +</source>
        <translation>Linie siatki osi Y +</translation>
    </message>
    <message>
        <source>Gitterlinien Y-Achse -</source>
        <translation>Linie siatki osi Y -</translation>
    </message>
    <message>
        <source>Zuschneiden</source>
        <translation>Przytnij</translation>
    </message>
    <message>
        <source>Übernehmen</source>
        <translation>Zastosuj</translation>
    </message>
    <message>
        <source>Verwerfen</source>
        <translation>Odrzuć</translation>
    </message>
    <message>
        <source>Sprache</source>
        <translation>Język</translation>
    </message>
    <message>
        <source>Allgemein</source>
        <translation>Ogólne</translation>
    </message>
    <message>
        <source>Kommunikation</source>
        <translation>Komunikacja</translation>
    </message>
    <message>
        <source>Übungen</source>
        <translation>Ćwiczenia</translation>
    </message>
    <message>
        <source>Daten</source>
        <translation>Dane</translation>
    </message>
    <message>
        <source>Ansicht</source>
        <translation>Widok</translation>
    </message>
    <message>
        <source>Programm</source>
        <translation>Program</translation>
    </message>
    <message>
        <source>Gitterlinien</source>
        <translation>Linie siatki</translation>
    </message>
    <message>
        <source>Druck-Einheit</source>
        <translation>Jednostka ciśnienia</translation>
    </message>
    <message>
        <source>Dieser Befehl ist deaktiviert.</source>
        <translation>To polecenie jest wyłączone.</translation>
    </message>
    <message>
        <source>Persönliche Benutzerkonten setzen einen Datenbankserver voraus. Mit der eingebetteten Datenbank wird jeder Name ohne Passwortprüfung angenommen.</source>
        <translation>Osobiste konta użytkowników wymagają serwera bazy danych. W przypadku wbudowanej bazy danych każda nazwa jest akceptowana bez sprawdzania hasła.</translation>
    </message>
    <message>
        <source>Passwort ändern fehlgeschlagen (%1)</source>
        <translation>Nie udało się zmienić hasła (%1)</translation>
    </message>
    <message>
        <source>Es ist kein Update-Server eingerichtet.</source>
        <translation>Nie skonfigurowano serwera aktualizacji.</translation>
    </message>
    <message>
        <source>Updateinformationen können nicht geladen werden. Bitte überprüfen Sie die Internetverbindung.</source>
        <translation>Nie można wczytać informacji o aktualizacjach. Sprawdź połączenie z internetem.</translation>
    </message>
    <message>
        <source>Eine neue Programmversion (%1) von ZUD-Software ist verfügbar. Möchten Sie diese herunterladen?</source>
        <translation>Dostępna jest nowa wersja (%1) programu ZUD-Software. Czy chcesz ją pobrać?</translation>
    </message>
    <message>
        <source>Die Anwendung ist bereits auf dem neuesten Stand.</source>
        <translation>Aplikacja jest już aktualna.</translation>
    </message>
    <message>
        <source>Zuletzt verwendet</source>
        <translation>Ostatnio używane</translation>
    </message>
    <message>
        <source>Alle Patienten</source>
        <translation>Wszyscy pacjenci</translation>
    </message>
    <message>
        <source>auswählen...</source>
        <translation>wybierz...</translation>
    </message>
    <message>
        <source>Alle Übungen</source>
        <translation>Wszystkie ćwiczenia</translation>
    </message>
    <message>
        <source>CSV-Dateien (*.csv)</source>
        <translation>Pliki CSV (*.csv)</translation>
    </message>
    <message>
        <source>Es gibt Echtzeit-Aufnahmen, die noch nicht gespeichert sind (Anzahl: %1). Sie gehen verloren. Trotzdem fortfahren?</source>
        <translation>Istnieją niezapisane nagrania w czasie rzeczywistym (liczba: %1). Zostaną utracone. Kontynuować mimo to?</translation>
    </message>
    <message>
        <source>Backups (*.bak3)</source>
        <translation>Kopie zapasowe (*.bak3)</translation>
    </message>
    <message>
        <source>Patienten- und Messdaten werden von den gesicherten Daten ersetzt. Möchten Sie fortfahren?</source>
        <translation>Dane pacjentów i pomiarów zostaną zastąpione danymi z kopii zapasowej. Czy chcesz kontynuować?</translation>
    </message>
    <message>
        <source>Möchten Sie die Daten aus der Vorgängerversion übernehmen?</source>
        <translation>Czy chcesz przejąć dane z poprzedniej wersji?</translation>
    </message>
    <message>
        <source>Importieren</source>
        <translation>Importuj</translation>
    </message>
    <message>
        <source>Die Echtzeitmessung wurde beendet: das Gerät sendet keine Daten mehr.</source>
        <translation>Pomiar w czasie rzeczywistym został zakończony: urządzenie nie wysyła już danych.</translation>
    </message>
    <message>
        <source>Das Gerät hat die Echtzeitmessung nicht gestartet.</source>
        <translation>Urządzenie nie rozpoczęło pomiaru w czasie rzeczywistym.</translation>
    </message>
    <message>
        <source>Lesen Sie mit „Übungen auslesen“ (Strg+R) die Übungen des Geräts ein, oder wählen Sie unter „Patienten“ einen Patienten und öffnen Sie eine seiner Übungen.</source>
        <translation>Odczytaj ćwiczenia z urządzenia przyciskiem „Odczytaj ćwiczenia” (Ctrl+R) albo wybierz pacjenta w „Pacjenci” i otwórz jedno z jego ćwiczeń.</translation>
    </message>
    <message>
        <source>Rohdaten gespeichert: %1</source>
        <translation>Zapisano dane surowe: %1</translation>
    </message>
    <message>
        <source>Diese Echtzeit-Aufnahme (%1) ist noch nicht gespeichert und geht verloren. Trotzdem schließen?</source>
        <translation>To nagranie w czasie rzeczywistym (%1) nie zostało jeszcze zapisane i zostanie utracone. Mimo to zamknąć?</translation>
    </message>
    <message>
        <source>Übung vom %1 wirklich löschen?</source>
        <translation>Czy na pewno usunąć ćwiczenie z %1?</translation>
    </message>
    <message>
        <source>Beim letzten Programmende waren Echtzeit-Aufnahmen nicht gespeichert (Anzahl: %1). Sie wurden aufbewahrt und sind als „*Neu“ geöffnet: Wählen Sie einen Patienten und speichern Sie sie.</source>
        <translation>Przy ostatnim zamknięciu programu nagrania w czasie rzeczywistym nie były zapisane (liczba: %1). Zostały zachowane i są otwarte jako „*Neu”: wybierz pacjenta i zapisz je.</translation>
    </message>
    <message>
        <source>Ton</source>
        <translation>Dźwięk</translation>
    </message>
    <message>
        <source>Ton während der Echtzeitmessung: Er erklingt, solange der Messwert in Anspannphasen über und in Entspannphasen unter der Schwelle liegt.</source>
        <translation>Dźwięk podczas pomiaru w czasie rzeczywistym: rozbrzmiewa, dopóki zmierzona wartość jest powyżej progu w fazach napięcia i poniżej progu w fazach rozluźnienia.</translation>
    </message>
    <message>
        <source>Kein Audioausgabegerät gefunden: Der Ton der Echtzeitmessung bleibt stumm.</source>
        <translation>Nie znaleziono urządzenia wyjścia audio: dźwięk pomiaru w czasie rzeczywistym pozostaje wyciszony.</translation>
    </message>
    <message>
        <source>Lautstärke</source>
        <translation>Głośność</translation>
    </message>
    <message>
        <source>Lautstärke des Tons: %1 %</source>
        <translation>Głośność dźwięku: %1%</translation>
    </message>
    <message>
        <source>Die Datenbank wurde gesichert in die Datei:
%1</source>
        <translation>Kopię zapasową bazy danych zapisano w pliku:
%1</translation>
    </message>
    <message>
        <source>Übung schließen</source>
        <translation>Zamknij ćwiczenie</translation>
    </message>
    <message>
        <source>Sonstige Einstellungen</source>
        <translation>Inne ustawienia</translation>
    </message>
    <message>
        <source>Übung als PDF speichern</source>
        <translation>Zapisz ćwiczenie jako PDF</translation>
    </message>
    <message>
        <source>An Praxissoftware senden</source>
        <translation>Wyślij do oprogramowania gabinetu</translation>
    </message>
    <message>
        <source>Als EDF+ exportieren</source>
        <translation>Eksportuj jako EDF+</translation>
    </message>
    <message>
        <source>Alle Übungen als EDF+ exportieren</source>
        <translation>Eksportuj wszystkie ćwiczenia jako EDF+</translation>
    </message>
    <message>
        <source>GDT-Einstellungen</source>
        <translation>Ustawienia GDT</translation>
    </message>
    <message>
        <source>Praxissoftware</source>
        <translation>Oprogramowanie gabinetu</translation>
    </message>
    <message>
        <source>Ergebnis an die Praxissoftware gesendet: %1</source>
        <translation>Wynik wysłany do oprogramowania gabinetu: %1</translation>
    </message>
    <message>
        <source>Das Ergebnis konnte nicht an die Praxissoftware gesendet werden: %1</source>
        <translation>Nie udało się wysłać wyniku do oprogramowania gabinetu: %1</translation>
    </message>
    <message>
        <source>EDF+-Dateien (*.edf)</source>
        <translation>Pliki EDF+ (*.edf)</translation>
    </message>
    <message>
        <source>Ordner für die EDF+-Dateien</source>
        <translation>Folder na pliki EDF+</translation>
    </message>
    <message>
        <source>%1 Übung(en) als EDF+ gespeichert: %2</source>
        <translation>Zapisano ćwiczenia jako EDF+ (liczba: %1): %2</translation>
    </message>
    <message>
        <source>%1 (nicht gefunden)</source>
        <translation>%1 (nie znaleziono)</translation>
    </message>
    <message>
        <source>Die Datenbank wurde wiederhergestellt aus der Datei:
%1</source>
        <translation>Bazę danych przywrócono z pliku:
%1</translation>
    </message>
    <message>
        <source>Die Echtzeit-Aufnahme für %1 speichern?</source>
        <translation>Zapisać nagranie w czasie rzeczywistym dla pacjenta %1?</translation>
    </message>
    <message numerus="yes">
        <source>Übertragen: %n Dateien</source>
        <translation>
            <numerusform>Przesłano: %n plik</numerusform>
            <numerusform>Przesłano: %n pliki</numerusform>
            <numerusform>Przesłano: %n plików</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 Ergebnisse an die Praxissoftware gesendet: %2</source>
        <translation>Wyniki wysłane do oprogramowania gabinetu (%1): %2</translation>
    </message>
    <message>
        <source>Von %1 Ergebnissen wurden %2 an die Praxissoftware gesendet, die übrigen nicht: %3</source>
        <translation>Z %1 wyników do oprogramowania gabinetu wysłano %2, pozostałych nie: %3</translation>
    </message>
    <message>
        <source>Erneut verbinden</source>
        <translation>Połącz ponownie</translation>
    </message>
    <message>
        <source>Die Verbindung zum Datenbankserver neu aufbauen, etwa nachdem der Server neu gestartet wurde.</source>
        <translation>Nawiąż ponownie połączenie z serwerem bazy danych, np. po ponownym uruchomieniu serwera.</translation>
    </message>
    <message>
        <source>Die Verbindung zum Datenbankserver steht wieder.</source>
        <translation>Połączenie z serwerem bazy danych zostało przywrócone.</translation>
    </message>
</context>
<context>
    <name>zud::ui::MoveRecordingDialog</name>
    <message>
        <source>Verschieben</source>
        <translation>Przenieś</translation>
    </message>
    <message>
        <source>Verschieben von Messung:</source>
        <translation>Przenieś pomiar:</translation>
    </message>
    <message>
        <source>Von Patient:</source>
        <translation>Od pacjenta:</translation>
    </message>
    <message>
        <source>Zu Patient:</source>
        <translation>Do pacjenta:</translation>
    </message>
    <message>
        <source>Nicht mehr anzeigen</source>
        <translation>Nie pokazuj ponownie</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Anuluj</translation>
    </message>
</context>
<context>
    <name>zud::ui::NewPasswordDialog</name>
    <message>
        <source>Passwort ändern</source>
        <translation>Zmień hasło</translation>
    </message>
    <message>
        <source>Neues Passwort:</source>
        <translation>Nowe hasło:</translation>
    </message>
    <message>
        <source>Neues Passwort wiederholen:</source>
        <translation>Powtórz nowe hasło:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Anuluj</translation>
    </message>
</context>
<context>
    <name>zud::ui::OutputWindow</name>
    <message>
        <source>Ausgabe</source>
        <translation>Wydruk</translation>
    </message>
    <message>
        <source>Fenster</source>
        <translation>Okno</translation>
    </message>
    <message>
        <source>Drucken</source>
        <translation>Drukuj</translation>
    </message>
    <message>
        <source>PDF</source>
        <translation>PDF</translation>
    </message>
    <message>
        <source>Zurück</source>
        <translation>Wstecz</translation>
    </message>
</context>
<context>
    <name>zud::ui::PatientDialog</name>
    <message>
        <source>Patient ändern</source>
        <translation>Zmień pacjenta</translation>
    </message>
    <message>
        <source>Patient hinzufügen</source>
        <translation>Dodaj pacjenta</translation>
    </message>
    <message>
        <source>Zurück</source>
        <translation>Wstecz</translation>
    </message>
    <message>
        <source>Ändern</source>
        <translation>Zmień</translation>
    </message>
    <message>
        <source>Hinzufügen</source>
        <translation>Dodaj</translation>
    </message>
    <message>
        <source>Vorname:</source>
        <translation>Imię:</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nazwisko:</translation>
    </message>
    <message>
        <source>Geburtsdatum:</source>
        <translation>Data urodzenia:</translation>
    </message>
    <message>
        <source>PLZ</source>
        <translation>Kod pocztowy</translation>
    </message>
    <message>
        <source>Straße:</source>
        <translation>Ulica:</translation>
    </message>
    <message>
        <source>Wohnort:</source>
        <translation>Miejscowość:</translation>
    </message>
    <message>
        <source>Telefon:</source>
        <translation>Telefon:</translation>
    </message>
    <message>
        <source>Fax:</source>
        <translation>Faks:</translation>
    </message>
    <message>
        <source>E-Mail:</source>
        <translation>E-mail:</translation>
    </message>
    <message>
        <source>Krankenkasse:</source>
        <translation>Ubezpieczyciel:</translation>
    </message>
    <message>
        <source>Versicherten-Nr.:</source>
        <translation>Nr ubezpieczonego:</translation>
    </message>
    <message>
        <source>Patienten-ID:</source>
        <translation>ID pacjenta:</translation>
    </message>
    <message>
        <source>Gewicht [kg]:</source>
        <translation>Waga [kg]:</translation>
    </message>
    <message>
        <source>Größe [cm]</source>
        <translation>Wzrost [cm]</translation>
    </message>
    <message>
        <source>Geschlecht:</source>
        <translation>Płeć:</translation>
    </message>
    <message>
        <source>weiblich</source>
        <translation>kobieta</translation>
    </message>
    <message>
        <source>männlich</source>
        <translation>mężczyzna</translation>
    </message>
    <message>
        <source>Patient</source>
        <translation>Pacjent</translation>
    </message>
    <message>
        <source>Fehler: Patient bereits vorhanden!</source>
        <translation>Błąd: pacjent już istnieje!</translation>
    </message>
    <message>
        <source>Fehler: Die fettgedruckten Felder sind Pflichtfelder!</source>
        <translation>Błąd: pola pogrubione są obowiązkowe!</translation>
    </message>
    <message>
        <source>Fehler: „%1“ ist kein gültiges Geburtsdatum. Bitte das Datum so eingeben: %2.</source>
        <translation>Błąd: „%1” nie jest prawidłową datą urodzenia. Wprowadź datę w ten sposób: %2.</translation>
    </message>
    <message>
        <source>Fehler: Das Geburtsdatum fehlt: Das heutige Datum gilt als nicht angegeben. Bitte das Geburtsdatum des Patienten eingeben.</source>
        <translation>Błąd: brak daty urodzenia: dzisiejsza data jest traktowana jako niepodana. Wprowadź datę urodzenia pacjenta.</translation>
    </message>
    <message>
        <source>Fehler: Das Geburtsdatum %1 ist nicht möglich: Es muss zwischen dem %2 und heute liegen.</source>
        <translation>Błąd: data urodzenia %1 jest niemożliwa: musi mieścić się między %2 a dniem dzisiejszym.</translation>
    </message>
</context>
<context>
    <name>zud::ui::PatientModel</name>
    <message>
        <source>weiblich</source>
        <translation>kobieta</translation>
    </message>
    <message>
        <source>männlich</source>
        <translation>mężczyzna</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nazwisko</translation>
    </message>
    <message>
        <source>Vorname</source>
        <translation>Imię</translation>
    </message>
    <message>
        <source>Geburtstag</source>
        <translation>Data urodzenia</translation>
    </message>
    <message>
        <source>PLZ</source>
        <translation>Kod pocztowy</translation>
    </message>
    <message>
        <source>Wohnort</source>
        <translation>Miejscowość</translation>
    </message>
    <message>
        <source>Straße</source>
        <translation>Ulica</translation>
    </message>
    <message>
        <source>Patientennummer</source>
        <translation>Numer pacjenta</translation>
    </message>
    <message>
        <source>Krankenkasse</source>
        <translation>Ubezpieczyciel</translation>
    </message>
    <message>
        <source>Versicherungsnummer</source>
        <translation>Numer ubezpieczenia</translation>
    </message>
    <message>
        <source>Telefon</source>
        <translation>Telefon</translation>
    </message>
    <message>
        <source>Fax</source>
        <translation>Faks</translation>
    </message>
    <message>
        <source>E-Mail</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <source>Größe</source>
        <translation>Wzrost</translation>
    </message>
    <message>
        <source>Gewicht</source>
        <translation>Waga</translation>
    </message>
    <message>
        <source>Geschlecht</source>
        <translation>Płeć</translation>
    </message>
</context>
<context>
    <name>zud::ui::PatientSelectionWindow</name>
    <message>
        <source>Patientensuche</source>
        <translation>Wyszukiwanie pacjentów</translation>
    </message>
    <message>
        <source>Bitte Suchtext eingeben:</source>
        <translation>Wprowadź tekst wyszukiwania:</translation>
    </message>
    <message>
        <source>Patienten</source>
        <translation>Pacjenci</translation>
    </message>
    <message>
        <source>Auswählen</source>
        <translation>Wybierz</translation>
    </message>
    <message>
        <source>Neu</source>
        <translation>Nowy</translation>
    </message>
    <message>
        <source>Bearbeiten</source>
        <translation>Edytuj</translation>
    </message>
    <message>
        <source>Suchen</source>
        <translation>Szukaj</translation>
    </message>
    <message>
        <source>Löschen</source>
        <translation>Usuń</translation>
    </message>
    <message>
        <source>Zurück</source>
        <translation>Wstecz</translation>
    </message>
    <message>
        <source>Der Patient wurde inzwischen an einem anderen Arbeitsplatz gelöscht.</source>
        <translation>Pacjent został w międzyczasie usunięty na innym stanowisku.</translation>
    </message>
    <message>
        <source>Patient „%1“ wirklich löschen?</source>
        <translation>Czy na pewno usunąć pacjenta „%1”?</translation>
    </message>
    <message>
        <source>Zum Patienten „%1“ sind Übungen gespeichert (Anzahl: %2). Sollen sie ebenfalls gelöscht werden?

Bei „Nein“ bleiben sie in der Datenbank, sind aber keinem Patienten mehr zugeordnet.</source>
        <translation>Dla pacjenta „%1” zapisano ćwiczenia (liczba: %2). Czy je również usunąć?

Po wybraniu „Nie” pozostaną w bazie danych, ale nie będą przypisane do żadnego pacjenta.</translation>
    </message>
</context>
<context>
    <name>zud::ui::PrintPreviewWindow</name>
    <message>
        <source>Bemerkungen</source>
        <translation>Uwagi</translation>
    </message>
    <message>
        <source>Druckvorschau</source>
        <translation>Podgląd wydruku</translation>
    </message>
    <message>
        <source>Ausgabe</source>
        <translation>Wydruk</translation>
    </message>
    <message>
        <source>Seite</source>
        <translation>Strona</translation>
    </message>
    <message>
        <source>Fenster</source>
        <translation>Okno</translation>
    </message>
    <message>
        <source>Drucken</source>
        <translation>Drukuj</translation>
    </message>
    <message>
        <source>PDF</source>
        <translation>PDF</translation>
    </message>
    <message>
        <source>Eine Übung</source>
        <translation>Jedno ćwiczenie</translation>
    </message>
    <message>
        <source>Zwei Übungen</source>
        <translation>Dwa ćwiczenia</translation>
    </message>
    <message>
        <source>Zurück</source>
        <translation>Wstecz</translation>
    </message>
    <message>
        <source>Übung1</source>
        <translation>Ćwiczenie 1</translation>
    </message>
    <message>
        <source>Übung2</source>
        <translation>Ćwiczenie 2</translation>
    </message>
    <message>
        <source>Druckvorschau als PDF speichern</source>
        <translation>Zapisz podgląd wydruku jako PDF</translation>
    </message>
</context>
<context>
    <name>zud::ui::ProgrammingWindow</name>
    <message>
        <source>Zurück</source>
        <translation>Wstecz</translation>
    </message>
    <message>
        <source>Therapeut ändern</source>
        <translation>Zmień terapeutę</translation>
    </message>
    <message>
        <source>Alle entfernen</source>
        <translation>Usuń wszystkich</translation>
    </message>
    <message>
        <source>Zuweisen</source>
        <translation>Przypisz</translation>
    </message>
    <message>
        <source>Entfernen</source>
        <translation>Usuń</translation>
    </message>
    <message>
        <source>Speichern</source>
        <translation>Zapisz</translation>
    </message>
    <message>
        <source>Öffnen</source>
        <translation>Otwórz</translation>
    </message>
    <message>
        <source>Systemparameter</source>
        <translation>Parametry systemowe</translation>
    </message>
    <message>
        <source>Übertragen</source>
        <translation>Prześlij</translation>
    </message>
    <message>
        <source>Parameter kopieren</source>
        <translation>Kopiuj parametry</translation>
    </message>
    <message>
        <source>Parameter einfügen</source>
        <translation>Wklej parametry</translation>
    </message>
    <message>
        <source>Allgemein</source>
        <translation>Ogólne</translation>
    </message>
    <message>
        <source>Therapeut</source>
        <translation>Terapeuta</translation>
    </message>
    <message>
        <source>Patient</source>
        <translation>Pacjent</translation>
    </message>
    <message>
        <source>Parameter</source>
        <translation>Parametry</translation>
    </message>
    <message>
        <source>Therapeuten</source>
        <translation>Terapeuci</translation>
    </message>
    <message>
        <source>Patienten</source>
        <translation>Pacjenci</translation>
    </message>
    <message>
        <source>Alle Übungen des Patienten löschen</source>
        <translation>Usuń wszystkie ćwiczenia pacjenta</translation>
    </message>
    <message>
        <source>Programm %1</source>
        <translation>Program %1</translation>
    </message>
    <message>
        <source>Anzeigename (max. 25 Zeichen):</source>
        <translation>Nazwa wyświetlana (maks. 25 znaków):</translation>
    </message>
    <message>
        <source>Betriebsart:</source>
        <translation>Tryb pracy:</translation>
    </message>
    <message>
        <source>Aktiviert</source>
        <translation>Aktywny</translation>
    </message>
    <message>
        <source>Mittelfrequenz:</source>
        <translation>Średnia częstotliwość:</translation>
    </message>
    <message>
        <source>Anspannzeit[s]:</source>
        <translation>Czas napięcia[s]:</translation>
    </message>
    <message>
        <source>Entspannzeit[s]:</source>
        <translation>Czas rozluźnienia[s]:</translation>
    </message>
    <message>
        <source>Stromzeit[s]:</source>
        <translation>Czas prądu[s]:</translation>
    </message>
    <message>
        <source>Pausenzeit[s]:</source>
        <translation>Czas przerwy[s]:</translation>
    </message>
    <message>
        <source>Übungsdauer[1-60min,Dauer]:</source>
        <translation>Czas ćwiczenia[1-60min,Ciągły]:</translation>
    </message>
    <message>
        <source>Frequenz1[Hz]:</source>
        <translation>Częstotliwość1[Hz]:</translation>
    </message>
    <message>
        <source>Frequenz2[Hz]:</source>
        <translation>Częstotliwość2[Hz]:</translation>
    </message>
    <message>
        <source>Impulsbreite1 [40-500µs]:</source>
        <translation>Szerokość impulsu1 [40-500µs]:</translation>
    </message>
    <message>
        <source>Impulsbreite2 [40-500µs]:</source>
        <translation>Szerokość impulsu2 [40-500µs]:</translation>
    </message>
    <message>
        <source>Anschwellzeit [s]:</source>
        <translation>Czas narastania [s]:</translation>
    </message>
    <message>
        <source>Abschwellzeit [s]:</source>
        <translation>Czas opadania [s]:</translation>
    </message>
    <message>
        <source>Zeiten</source>
        <translation>Czasy</translation>
    </message>
    <message>
        <source>Stimulations-Parameter</source>
        <translation>Parametry stymulacji</translation>
    </message>
    <message>
        <source>Elektrodenposition</source>
        <translation>Położenie elektrod</translation>
    </message>
    <message>
        <source>Programmfolge</source>
        <translation>Sekwencja programów</translation>
    </message>
    <message>
        <source>Programmierung</source>
        <translation>Programowanie</translation>
    </message>
    <message>
        <source>Therapeut %1</source>
        <translation>Terapeuta %1</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nazwisko:</translation>
    </message>
    <message>
        <source>Vorname:</source>
        <translation>Imię:</translation>
    </message>
    <message>
        <source>Patient %1</source>
        <translation>Pacjent %1</translation>
    </message>
    <message>
        <source>Keine Patientendaten</source>
        <translation>Brak danych pacjenta</translation>
    </message>
    <message>
        <source>Geburtsdatum:</source>
        <translation>Data urodzenia:</translation>
    </message>
    <message>
        <source>Position %1</source>
        <translation>Pozycja %1</translation>
    </message>
    <message>
        <source>Parameter-Dateien (*.zud)</source>
        <translation>Pliki parametrów (*.zud)</translation>
    </message>
    <message>
        <source>Die Datei ist keine vollständige Parameter-Datei: %1 von 36 Programmsätzen wurden übernommen, die Systemparameter nicht.</source>
        <translation>Plik nie jest kompletnym plikiem parametrów: przejęto %1 z 36 zestawów programów, parametrów systemowych nie.</translation>
    </message>
    <message>
        <source>Alle Übungen des Patienten werden gelöscht!
Sind Sie sicher?</source>
        <translation>Wszystkie ćwiczenia pacjenta zostaną usunięte!
Czy na pewno?</translation>
    </message>
    <message>
        <source>Änderungen verwerfen?</source>
        <translation>Odrzucić zmiany?</translation>
    </message>
</context>
<context>
    <name>zud::ui::ProgressChartWindow</name>
    <message>
        <source>Verlauf</source>
        <translation>Przebieg</translation>
    </message>
    <message>
        <source>Verlauf als PDF speichern</source>
        <translation>Zapisz przebieg jako PDF</translation>
    </message>
</context>
<context>
    <name>zud::ui::ReadoutWindow</name>
    <message>
        <source>Zurück</source>
        <translation>Wstecz</translation>
    </message>
    <message>
        <source>Auslesen</source>
        <translation>Odczytaj</translation>
    </message>
    <message>
        <source>Alle auswählen</source>
        <translation>Zaznacz wszystkie</translation>
    </message>
    <message>
        <source>Keine auswählen</source>
        <translation>Odznacz wszystkie</translation>
    </message>
    <message>
        <source>Übungen nach dem Auslesen löschen</source>
        <translation>Usuń ćwiczenia po odczycie</translation>
    </message>
    <message>
        <source>Zuweisen</source>
        <translation>Przypisz</translation>
    </message>
    <message>
        <source>Importieren</source>
        <translation>Importuj</translation>
    </message>
    <message>
        <source>Allgemein</source>
        <translation>Ogólne</translation>
    </message>
    <message>
        <source>Übungen</source>
        <translation>Ćwiczenia</translation>
    </message>
    <message>
        <source>Patient</source>
        <translation>Pacjent</translation>
    </message>
    <message>
        <source>Therapeuten</source>
        <translation>Terapeuci</translation>
    </message>
    <message>
        <source>Patienten</source>
        <translation>Pacjenci</translation>
    </message>
    <message>
        <source>Übungsdaten auslesen</source>
        <translation>Odczyt danych ćwiczeń</translation>
    </message>
    <message>
        <source>Therapeut %1</source>
        <translation>Terapeuta %1</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nazwisko:</translation>
    </message>
    <message>
        <source>Vorname:</source>
        <translation>Imię:</translation>
    </message>
    <message>
        <source>Keine Patientendaten</source>
        <translation>Brak danych pacjenta</translation>
    </message>
    <message>
        <source>Patient %1 (%2)</source>
        <translation>Pacjent %1 (%2)</translation>
    </message>
    <message>
        <source>nicht zugewiesen</source>
        <translation>nieprzypisany</translation>
    </message>
    <message>
        <source>geb. am:</source>
        <translation>Data ur.:</translation>
    </message>
    <message>
        <source>Patient %1</source>
        <translation>Pacjent %1</translation>
    </message>
    <message>
        <source>unvollständig</source>
        <translation>niekompletny</translation>
    </message>
    <message>
        <source>Ohne angemeldete Datenbank kann kein Patient angelegt werden.</source>
        <translation>Bez zalogowania do bazy danych nie można utworzyć pacjenta.</translation>
    </message>
    <message>
        <source>Name, Vorname und Geburtsdatum dieses Gerätepatienten sind vollständig: beim Auslesen wird er in der Datenbank gefunden oder neu angelegt. Mit „Zuweisen“ ordnen Sie ihn einem anderen Patienten zu.</source>
        <translation>Nazwisko, imię i data urodzenia tego pacjenta urządzenia są kompletne: podczas odczytu zostanie on odnaleziony w bazie danych lub utworzony. Za pomocą „Przypisz” można przypisać go innemu pacjentowi.</translation>
    </message>
    <message>
        <source>Dieser Gerätepatient hat keine Daten, die übernommen werden könnten. Wählen Sie mit „Zuweisen“ einen Patienten der Datenbank.</source>
        <translation>Ten pacjent urządzenia nie ma danych, które można przejąć. Wybierz pacjenta z bazy danych za pomocą „Przypisz”.</translation>
    </message>
    <message>
        <source>Ohne angemeldete Datenbank kann kein Patient zugewiesen werden.</source>
        <translation>Bez zalogowania do bazy danych nie można przypisać pacjenta.</translation>
    </message>
    <message>
        <source>An Praxissoftware senden</source>
        <translation>Wyślij do oprogramowania gabinetu</translation>
    </message>
</context>
<context>
    <name>zud::ui::RecordingModel</name>
    <message>
        <source>Datum</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Uhrzeit</source>
        <translation>Godzina</translation>
    </message>
    <message>
        <source>Betriebsart</source>
        <translation>Tryb</translation>
    </message>
    <message>
        <source>#</source>
        <translation>#</translation>
    </message>
    <message>
        <source>Programmname</source>
        <translation>Nazwa programu</translation>
    </message>
</context>
<context>
    <name>zud::ui::RecordingSelectionWindow</name>
    <message>
        <source>Übung wählen</source>
        <translation>Wybierz ćwiczenie</translation>
    </message>
    <message>
        <source>Auswählen</source>
        <translation>Wybierz</translation>
    </message>
    <message>
        <source>Löschen</source>
        <translation>Usuń</translation>
    </message>
    <message>
        <source>Zurück</source>
        <translation>Wstecz</translation>
    </message>
    <message>
        <source>Übungen</source>
        <translation>Ćwiczenia</translation>
    </message>
    <message>
        <source>Übung vom %1 %2 wirklich löschen?</source>
        <translation>Czy na pewno usunąć ćwiczenie z %1 %2?</translation>
    </message>
</context>
<context>
    <name>zud::ui::RemarksDialog</name>
    <message>
        <source>Bemerkungen hinzufügen/ändern</source>
        <translation>Dodaj/zmień uwagi</translation>
    </message>
    <message>
        <source>Hinzufügen/Ändern</source>
        <translation>Dodaj/Zmień</translation>
    </message>
    <message>
        <source>Zurück</source>
        <translation>Wstecz</translation>
    </message>
    <message>
        <source>Bemerkungen</source>
        <translation>Uwagi</translation>
    </message>
</context>
<context>
    <name>zud::ui::RibbonDialog</name>
    <message>
        <source>Allgemein</source>
        <translation>Ogólne</translation>
    </message>
</context>
<context>
    <name>zud::ui::SplashScreen</name>
    <message>
        <source>Begleitprogramm zum Therapiegerät ZUD12</source>
        <translation>Program towarzyszący urządzeniu terapeutycznemu ZUD12</translation>
    </message>
</context>
<context>
    <name>zud::ui::StatisticsWindow</name>
    <message>
        <source>Statistik</source>
        <translation>Statystyka</translation>
    </message>
    <message>
        <source>Ausgabe</source>
        <translation>Wydruk</translation>
    </message>
    <message>
        <source>Fenster</source>
        <translation>Okno</translation>
    </message>
    <message>
        <source>Drucken</source>
        <translation>Drukuj</translation>
    </message>
    <message>
        <source>PDF</source>
        <translation>PDF</translation>
    </message>
    <message>
        <source>Gesamte Statistik drucken</source>
        <translation>Drukuj całą statystykę</translation>
    </message>
    <message>
        <source>Zusammenfassung drucken</source>
        <translation>Drukuj podsumowanie</translation>
    </message>
    <message>
        <source>Gesamte Statistik als PDF</source>
        <translation>Cała statystyka jako PDF</translation>
    </message>
    <message>
        <source>Zusammenfassung als PDF</source>
        <translation>Podsumowanie jako PDF</translation>
    </message>
    <message>
        <source>Verlauf</source>
        <translation>Przebieg</translation>
    </message>
    <message>
        <source>Zusammenfassung</source>
        <translation>Podsumowanie</translation>
    </message>
    <message>
        <source>Zurück</source>
        <translation>Wstecz</translation>
    </message>
    <message>
        <source>Statistik als PDF speichern</source>
        <translation>Zapisz statystykę jako PDF</translation>
    </message>
    <message>
        <source>Therapie-Zusammenfassung als PDF speichern</source>
        <translation>Zapisz podsumowanie terapii jako PDF</translation>
    </message>
</context>
<context>
    <name>zud::ui::SummaryWindow</name>
    <message>
        <source>Therapie-Zusammenfassung</source>
        <translation>Podsumowanie terapii</translation>
    </message>
    <message>
        <source>Therapie-Zusammenfassung als PDF speichern</source>
        <translation>Zapisz podsumowanie terapii jako PDF</translation>
    </message>
</context>
<context>
    <name>zud::ui::SystemParametersDialog</name>
    <message>
        <source>Systemparameter</source>
        <translation>Parametry systemowe</translation>
    </message>
    <message>
        <source>Zurück</source>
        <translation>Wstecz</translation>
    </message>
    <message>
        <source>Übernehmen</source>
        <translation>Zastosuj</translation>
    </message>
    <message>
        <source>Allgemein</source>
        <translation>Ogólne</translation>
    </message>
    <message>
        <source>Parameter</source>
        <translation>Parametry</translation>
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
        <translation>Wyzwalanie</translation>
    </message>
    <message>
        <source>Admin</source>
        <translation>Administrator</translation>
    </message>
    <message>
        <source>Helligkeit:</source>
        <translation>Jasność:</translation>
    </message>
    <message>
        <source>Codeabfrage:</source>
        <translation>Zapytanie o kod:</translation>
    </message>
    <message>
        <source>Patientenauswahl:</source>
        <translation>Wybór pacjenta:</translation>
    </message>
    <message>
        <source>Tastentöne:</source>
        <translation>Dźwięki klawiszy:</translation>
    </message>
    <message>
        <source>Anzeige verriegeln:</source>
        <translation>Blokuj wyświetlacz:</translation>
    </message>
    <message>
        <source>Sprachausgabe:</source>
        <translation>Komunikaty głosowe:</translation>
    </message>
    <message>
        <source>CCIP-Test:</source>
        <translation>Test CCIP:</translation>
    </message>
    <message>
        <source>EMG-Einstellung:</source>
        <translation>Ustawienie EMG:</translation>
    </message>
    <message>
        <source>EMG-Begrenzung:</source>
        <translation>Ograniczenie EMG:</translation>
    </message>
    <message>
        <source>EMG-Vertonung:</source>
        <translation>Udźwiękowienie EMG:</translation>
    </message>
    <message>
        <source>EMG-Wert numerisch anzeigen:</source>
        <translation>Pokaż wartość EMG liczbowo:</translation>
    </message>
    <message>
        <source>EMG-Anzeige nach Strom:</source>
        <translation>Wyświetlanie EMG po prądzie:</translation>
    </message>
    <message>
        <source>Triggerzeitlimit [s]:</source>
        <translation>Limit czasu wyzwalania [s]:</translation>
    </message>
    <message>
        <source>Updaterate [s]:</source>
        <translation>Częstość odświeżania [s]:</translation>
    </message>
    <message>
        <source>Triggerbegrenzung:</source>
        <translation>Ograniczenie wyzwalacza:</translation>
    </message>
    <message>
        <source>Triggerautomatik:</source>
        <translation>Automatyczny wyzwalacz:</translation>
    </message>
    <message>
        <source>Einheit Druck:</source>
        <translation>Jednostka ciśnienia:</translation>
    </message>
    <message>
        <source>Code am Gerät (4-stellig,1..9):</source>
        <translation>Kod urządzenia (4 cyfry, 1..9):</translation>
    </message>
    <message>
        <source>Bluetooth</source>
        <translation>Bluetooth</translation>
    </message>
    <message>
        <source>Als Werkseinstellungen speichern:</source>
        <translation>Zapisz jako ustawienia fabryczne:</translation>
    </message>
    <message>
        <source>Werkseinstellungen:</source>
        <translation>Ustawienia fabryczne:</translation>
    </message>
    <message>
        <source>Es werden die Programmparameter von Therapeut 1 / Patient 1 als Standard-Programme für die Werkseinstellungen gespeichert.</source>
        <translation>Parametry programów terapeuty 1 / pacjenta 1 zostaną zapisane jako programy standardowe ustawień fabrycznych.</translation>
    </message>
    <message>
        <source>Beim Programmieren wird das System auf Werkseinstellungen zurückgesetzt. Alle Programme werden überschrieben, die Parameter zurückgesetzt und alle Übungen gelöscht.</source>
        <translation>Podczas programowania system zostanie przywrócony do ustawień fabrycznych. Wszystkie programy zostaną nadpisane, parametry zresetowane, a wszystkie ćwiczenia usunięte.</translation>
    </message>
    <message>
        <source>Manuell</source>
        <translation>Ręczne</translation>
    </message>
    <message>
        <source>Halbautomatisch</source>
        <translation>Półautomatyczne</translation>
    </message>
    <message>
        <source>Automatisch</source>
        <translation>Automatyczne</translation>
    </message>
    <message>
        <source>Änderungen verwerfen?</source>
        <translation>Odrzucić zmiany?</translation>
    </message>
</context>
<context>
    <name>zud::ui::TherapistChangeDialog</name>
    <message>
        <source>Therapeut ändern</source>
        <translation>Zmień terapeutę</translation>
    </message>
    <message>
        <source>Zurück</source>
        <translation>Wstecz</translation>
    </message>
    <message>
        <source>Vorname:</source>
        <translation>Imię:</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nazwisko:</translation>
    </message>
    <message>
        <source>Therapeut</source>
        <translation>Terapeuta</translation>
    </message>
</context>
<context>
    <name>zud::ui::UserManagerWindow</name>
    <message>
        <source>Benutzer-Verwaltung</source>
        <translation>Zarządzanie użytkownikami</translation>
    </message>
    <message>
        <source>Aktion</source>
        <translation>Akcja</translation>
    </message>
    <message>
        <source>hinzufügen</source>
        <translation>dodaj</translation>
    </message>
    <message>
        <source>ändern</source>
        <translation>zmień</translation>
    </message>
    <message>
        <source>löschen</source>
        <translation>usuń</translation>
    </message>
    <message>
        <source>Benutzername:</source>
        <translation>Nazwa użytkownika:</translation>
    </message>
    <message>
        <source>Passwort:</source>
        <translation>Hasło:</translation>
    </message>
    <message>
        <source>Benutzer:</source>
        <translation>Użytkownik:</translation>
    </message>
    <message>
        <source>Benutzer hinzufügen</source>
        <translation>Dodaj użytkownika</translation>
    </message>
    <message>
        <source>Passwort ändern</source>
        <translation>Zmień hasło</translation>
    </message>
    <message>
        <source>Benutzer löschen</source>
        <translation>Usuń użytkownika</translation>
    </message>
    <message>
        <source>Datenbank-Login fehlgeschlagen</source>
        <translation>Logowanie do bazy danych nie powiodło się</translation>
    </message>
    <message>
        <source>Aktion fehlgeschlagen (%1)</source>
        <translation>Akcja nie powiodła się (%1)</translation>
    </message>
    <message>
        <source>Datenbank prüfen</source>
        <translation>Sprawdź bazę danych</translation>
    </message>
    <message>
        <source>Prüft die Datenbankdatei, jede Übung mit ihrem Patienten und Gerät, die Schlüssel und die Generatoren. Ändert nichts; andere Arbeitsplätze können weiterarbeiten.</source>
        <translation>Sprawdza plik bazy danych, każde ćwiczenie z jego pacjentem i urządzeniem, klucze i generatory. Niczego nie zmienia; inne stanowiska mogą dalej pracować.</translation>
    </message>
    <message>
        <source>Die Datenbank wird geprüft …</source>
        <translation>Trwa sprawdzanie bazy danych …</translation>
    </message>
    <message>
        <source>Die Datenbank konnte nicht geprüft werden.</source>
        <translation>Nie udało się sprawdzić bazy danych.</translation>
    </message>
</context>
<context>
    <name>zud::ui::ZahlFeld</name>
    <message>
        <source>Der Wert im Feld „%1“ ist ungültig. Bitte eine ganze Zahl von %2 bis %3 eingeben.</source>
        <translation>Wartość w polu „%1” jest nieprawidłowa. Wprowadź liczbę całkowitą od %2 do %3.</translation>
    </message>
</context>
<context>
    <name>zud::ui::ZehntelFeld</name>
    <message>
        <source>Der Wert im Feld „%1“ ist ungültig. Bitte eine Zahl von %2 bis %3 eingeben.</source>
        <translation>Wartość w polu „%1” jest nieprawidłowa. Wprowadź liczbę od %2 do %3.</translation>
    </message>
</context>
</TS>
