<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL" sourcelanguage="de">
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
        <source>Die Übung ist nicht mehr vorhanden; sie wurde inzwischen gelöscht (auch an einem anderen Arbeitsplatz oder mit ihrem Patienten). Es wurde nichts geändert.</source>
        <translation>Ćwiczenie już nie istnieje; zostało w międzyczasie usunięte (także na innym stanowisku lub razem z pacjentem). Niczego nie zmieniono.</translation>
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
    <name>zud::ui::ChartFrame</name>
    <message>
        <source>Diese Übung enthält keine darstellbaren Messwerte.</source>
        <translation>To ćwiczenie nie zawiera wartości do wyświetlenia.</translation>
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
        <source>bereits gespeichert (%1)</source>
        <translation>już zapisane (%1)</translation>
    </message>
    <message>
        <source>Datenbank</source>
        <translation>Baza danych</translation>
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
        <translation>Kasa chorych</translation>
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
    <name>zud::ui::RibbonDialog</name>
    <message>
        <source>Allgemein</source>
        <translation>Ogólne</translation>
    </message>
</context>
<context>
    <name>zud::ui::TAuslesenForm</name>
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
</context>
<context>
    <name>zud::ui::TBemForm</name>
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
    <name>zud::ui::TDBLogin</name>
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
    <name>zud::ui::TForm1</name>
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
        <source>Übung schliessen</source>
        <translation>Zamknij ćwiczenie</translation>
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
        <source>Sonsige Einstellungen</source>
        <translation>Inne ustawienia</translation>
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
</context>
<context>
    <name>zud::ui::TForm15</name>
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
        <translation>Kasa chorych:</translation>
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
</context>
<context>
    <name>zud::ui::TForm16</name>
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
    <name>zud::ui::TForm20</name>
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
    <name>zud::ui::TMessAuswahl</name>
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
    <name>zud::ui::TNewPW</name>
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
    <name>zud::ui::TPatAuswahl</name>
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
    <name>zud::ui::TSplash</name>
    <message>
        <source>Begleitprogramm zum Therapiegerät ZUD12</source>
        <translation>Program towarzyszący urządzeniu terapeutycznemu ZUD12</translation>
    </message>
</context>
<context>
    <name>zud::ui::TUserMgr</name>
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
</context>
</TS>
