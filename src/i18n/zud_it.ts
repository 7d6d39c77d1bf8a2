<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT" sourcelanguage="de">
<context>
    <name>Anwendung</name>
    <message>
        <source>Anwendung %1</source>
        <translation>Applicazione %1</translation>
    </message>
    <message>
        <source>unbekanntes Modell</source>
        <translation>modello sconosciuto</translation>
    </message>
    <message>
        <source>Keine gültige Anwendung: %1</source>
        <translation>Applicazione non valida: %1</translation>
    </message>
    <message>
        <source>Lösche Übungen...</source>
        <translation>Eliminazione esercizi...</translation>
    </message>
    <message>
        <source>Werkszustand...</source>
        <translation>Stato di fabbrica...</translation>
    </message>
</context>
<context>
    <name>Aufzeichnung</name>
    <message>
        <source>Keine Aufzeichnung: %1 Bytes, eine Aufzeichnung hat mindestens %2 (Programmkopf und Statistikblock).</source>
        <translation>Non è una registrazione: %1 byte, una registrazione ha almeno %2 (intestazione del programma e blocco statistiche).</translation>
    </message>
    <message>
        <source>Keine Aufzeichnung: die Betriebsart %1 hat kein Messwertformat.</source>
        <translation>Non è una registrazione: la modalità operativa %1 non ha un formato dei valori misurati.</translation>
    </message>
    <message>
        <source>Die Übung enthält keine Daten.</source>
        <translation>L&apos;esercizio non contiene dati.</translation>
    </message>
    <message>
        <source>Die Aufzeichnung der älteren Form ist mit %1 Bytes kürzer als ihr Kopf (%2 Bytes): sie ist abgeschnitten.</source>
        <translation>La registrazione della forma precedente ha %1 byte, meno della sua intestazione (%2 byte): è troncata.</translation>
    </message>
    <message>
        <source>Die Betriebsart der Zeile (BETRIEBSART %1) ist nicht die des Programmkopfs (%2).</source>
        <translation>La modalità della riga (BETRIEBSART %1) non è quella dell&apos;intestazione del programma (%2).</translation>
    </message>
    <message>
        <source>Die Messwerte enden mitten in einem Messwert (%1 Bytes sind kein Vielfaches von %2): die Aufzeichnung ist abgeschnitten oder unvollständig.</source>
        <translation>I campioni terminano a metà di un campione (%1 byte non sono un multiplo di %2): la registrazione è troncata o incompleta.</translation>
    </message>
    <message>
        <source>Der Statistikblock am Ende nennt %1 Messwerte, die Aufzeichnung enthält %2: sie ist abgeschnitten oder beschädigt.</source>
        <translation>Il blocco statistico finale indica %1 campioni, la registrazione ne contiene %2: è troncata o danneggiata.</translation>
    </message>
</context>
<context>
    <name>Auslesen</name>
    <message>
        <source>Lade Patientendaten ...</source>
        <translation>Caricamento dati paziente ...</translation>
    </message>
    <message>
        <source>Lade Kopfdaten ...</source>
        <translation>Caricamento dati di intestazione ...</translation>
    </message>
    <message>
        <source>Lade Kopfdaten (Therapeut %1, Patient %2) ...</source>
        <translation>Caricamento dati di intestazione (terapeuta %1, paziente %2) ...</translation>
    </message>
    <message>
        <source>Es sind keine Übungen gespeichert</source>
        <translation>Nessun esercizio memorizzato</translation>
    </message>
    <message>
        <source>Lösche Übungen (Therapeut %1, Patient %2)</source>
        <translation>Eliminazione esercizi (terapeuta %1, paziente %2)</translation>
    </message>
    <message>
        <source>Übertrage Übungen %1 von %2 ...</source>
        <translation>Trasferimento esercizio %1 di %2 ...</translation>
    </message>
    <message>
        <source>kein Patient zugewiesen</source>
        <translation>nessun paziente assegnato</translation>
    </message>
    <message>
        <source>Datum oder Uhrzeit am Gerät ungültig</source>
        <translation>Data o ora del dispositivo non valida</translation>
    </message>
    <message>
        <source>in der Datenbank nicht gleich gespeichert</source>
        <translation>non memorizzato in modo identico nel database</translation>
    </message>
    <message>
        <source>Übertragung abgebrochen.</source>
        <translation>Trasferimento interrotto.</translation>
    </message>
    <message>
        <source>Lösche...</source>
        <translation>Eliminazione...</translation>
    </message>
    <message>
        <source>Unerwarteter Fehler: %1</source>
        <translation>Errore imprevisto: %1</translation>
    </message>
    <message>
        <source>Unerwarteter Fehler.</source>
        <translation>Errore imprevisto.</translation>
    </message>
    <message>
        <source>gespeichert: %1</source>
        <translation>salvati: %1</translation>
    </message>
    <message>
        <source>bereits gespeichert, übersprungen: %1</source>
        <translation>già salvati, saltati: %1</translation>
    </message>
    <message>
        <source>bereits bei %1 gespeichert, übersprungen: %2</source>
        <translation>già salvati per %1, saltati: %2</translation>
    </message>
    <message>
        <source>nicht übernommen: %1</source>
        <translation>non acquisiti: %1</translation>
    </message>
    <message>
        <source>am Gerät gelöscht: %1</source>
        <translation>eliminati sul dispositivo: %1</translation>
    </message>
    <message>
        <source>am Gerät behalten, da abweichend gespeichert: %1</source>
        <translation>mantenuti sul dispositivo, salvati in modo diverso: %1</translation>
    </message>
    <message>
        <source>Therapeut %1, Patient %2</source>
        <translation>Terapeuta %1, paziente %2</translation>
    </message>
    <message>
        <source>als neuer Patient angelegt</source>
        <translation>creato come nuovo paziente</translation>
    </message>
    <message>
        <source>Geburtsdatum am Gerät ungültig (%1): ohne Geburtsdatum gespeichert</source>
        <translation>Data di nascita non valida sul dispositivo (%1): salvato senza data di nascita</translation>
    </message>
    <message>
        <source>Es wurde keine Übung übertragen.</source>
        <translation>Nessun esercizio è stato trasferito.</translation>
    </message>
    <message>
        <source>Nicht übernommen:</source>
        <translation>Non acquisiti:</translation>
    </message>
    <message>
        <source>Therapeut %1, Patient %2, %3: %4</source>
        <translation>Terapeuta %1, paziente %2, %3: %4</translation>
    </message>
</context>
<context>
    <name>Austausch</name>
    <message>
        <source>Der Vorgang wurde abgebrochen.</source>
        <translation>L&apos;operazione è stata annullata.</translation>
    </message>
    <message>
        <source>Die Archivdatei kann nicht gelesen werden: %1</source>
        <translation>Impossibile leggere il file di archivio: %1</translation>
    </message>
    <message>
        <source>Die Datei ist kein gültiges Archiv: %1</source>
        <translation>Il file non è un archivio valido: %1</translation>
    </message>
    <message>
        <source>Die zu packende Datei fehlt: %1</source>
        <translation>Manca il file da comprimere: %1</translation>
    </message>
    <message>
        <source>Die Datei ist für ein Archiv zu groß: %1</source>
        <translation>Il file è troppo grande per un archivio: %1</translation>
    </message>
    <message>
        <source>Das Archiv kann nicht geschrieben werden: %1</source>
        <translation>Impossibile scrivere l&apos;archivio: %1</translation>
    </message>
    <message>
        <source>Das Archiv kann nicht angelegt werden: %1</source>
        <translation>Impossibile creare l&apos;archivio: %1</translation>
    </message>
    <message>
        <source>Das Archiv enthält die Datei „%1“ nicht: %2</source>
        <translation>L&apos;archivio non contiene il file «%1»: %2</translation>
    </message>
    <message>
        <source>Das Archiv ist beschädigt oder unvollständig: %1</source>
        <translation>L&apos;archivio è danneggiato o incompleto: %1</translation>
    </message>
    <message>
        <source>%1 von %2 Bytes entpackt</source>
        <translation>%1 di %2 byte estratti</translation>
    </message>
    <message>
        <source>Das Sicherungsprogramm der Datenbank wurde nicht gefunden: %1</source>
        <translation>Il programma di backup del database non è stato trovato: %1</translation>
    </message>
    <message>
        <source>Im Arbeitsordner kann keine Datei angelegt werden: %1</source>
        <translation>Impossibile creare un file nella cartella di lavoro: %1</translation>
    </message>
    <message>
        <source>gbak endete mit dem Status %1</source>
        <translation>gbak è terminato con lo stato %1</translation>
    </message>
    <message>
        <source>gbak wurde abgebrochen</source>
        <translation>gbak è stato interrotto</translation>
    </message>
    <message>
        <source>Die Datensicherung der Datenbank ist fehlgeschlagen.</source>
        <translation>Il backup del database non è riuscito.</translation>
    </message>
    <message>
        <source>Die Sicherungsdatei fehlt oder ist leer.</source>
        <translation>Il file di backup manca o è vuoto.</translation>
    </message>
    <message>
        <source>Die Wiederherstellung der Datenbank ist fehlgeschlagen.</source>
        <translation>Il ripristino del database non è riuscito.</translation>
    </message>
    <message>
        <source>Die Zieldatenbank enthält die Tabellen dieses Programms nicht.</source>
        <translation>Il database di destinazione non contiene le tabelle di questo programma.</translation>
    </message>
    <message>
        <source>Der Patient %1 ist im Archiv nicht enthalten.</source>
        <translation>Il paziente %1 non è contenuto nell&apos;archivio.</translation>
    </message>
    <message>
        <source>Der Patient „%1“ konnte nicht übernommen werden; die %2 Patienten davor wurden übernommen.
%3</source>
        <translation>Non è stato possibile trasferire il paziente «%1»; i %2 pazienti precedenti sono stati trasferiti.
%3</translation>
    </message>
    <message>
        <source>Es ist kein Patient ausgewählt.</source>
        <translation>Nessun paziente selezionato.</translation>
    </message>
    <message>
        <source>Exportieren</source>
        <translation>Esporta</translation>
    </message>
    <message>
        <source>Den Patienten %1 gibt es in der Datenbank nicht (mehr).</source>
        <translation>Il paziente %1 non esiste (più) nel database.</translation>
    </message>
    <message>
        <source>Datenbank Packen</source>
        <translation>Compressione del database</translation>
    </message>
    <message>
        <source>Die Datei gibt es nicht: %1</source>
        <translation>Il file non esiste: %1</translation>
    </message>
    <message>
        <source>Die Datei ist kein Archiv von ZUD-Software: %1</source>
        <translation>Il file non è un archivio di ZUD-Software: %1</translation>
    </message>
    <message>
        <source>Datenbank Entpacken</source>
        <translation>Decompressione del database</translation>
    </message>
    <message>
        <source>Das Archiv enthält keine Patientendaten von ZUD-Software: %1
%2</source>
        <translation>L&apos;archivio non contiene dati pazienti di ZUD-Software: %1
%2</translation>
    </message>
    <message>
        <source>Importieren</source>
        <translation>Importa</translation>
    </message>
    <message>
        <source>Datenbank sichern</source>
        <translation>Backup del database</translation>
    </message>
    <message>
        <source>Die Datenbank kann nur auf dem Rechner des Datenbankservers wiederhergestellt werden.</source>
        <translation>Il database può essere ripristinato solo sul computer del server di database.</translation>
    </message>
    <message>
        <source>Die Datei ist keine Datensicherung von ZUD-Software: %1</source>
        <translation>Il file non è un backup di ZUD-Software: %1</translation>
    </message>
    <message>
        <source>Datenbank wiederherstellen</source>
        <translation>Ripristina database</translation>
    </message>
    <message>
        <source>Die Datei enthält keine Datensicherung der Datenbank von ZUD-Software: %1</source>
        <translation>Il file non contiene un backup del database di ZUD-Software: %1</translation>
    </message>
    <message>
        <source>Die Datenbank ist noch %1-mal geöffnet (an anderen Arbeitsplätzen oder in diesem Programm). Beenden Sie dort ZUD-Software und versuchen Sie es erneut.</source>
        <translation>Il database è ancora aperto %1 volte (su altre postazioni o in questo programma). Chiudere lì ZUD-Software e riprovare.</translation>
    </message>
    <message>
        <source>Die Daten der Vorgängerversion werden nur in eine Datenbank ohne Patienten übernommen.</source>
        <translation>I dati della versione precedente vengono trasferiti solo in un database senza pazienti.</translation>
    </message>
    <message>
        <source>Konvertiere alte Datei-Struktur</source>
        <translation>Conversione della vecchia struttura dei file</translation>
    </message>
    <message>
        <source>Erzeuge neue Datei-Struktur</source>
        <translation>Creazione della nuova struttura dei file</translation>
    </message>
    <message>
        <source>Importieren...</source>
        <translation>Importazione...</translation>
    </message>
    <message>
        <source>Es ist kein Archiv geöffnet.</source>
        <translation>Nessun archivio aperto.</translation>
    </message>
    <message>
        <source>Die Datenbank ist noch geöffnet (an anderen Arbeitsplätzen oder in diesem Programm). Beenden Sie dort ZUD-Software und versuchen Sie es erneut.</source>
        <translation>Il database è ancora aperto (su altre postazioni o in questo programma). Chiudere ZUD-Software su quelle postazioni e riprovare.</translation>
    </message>
    <message>
        <source>Die Datenbank konnte nicht durch die wiederhergestellte ersetzt werden: %1 (%2). Die Datenbank ist unverändert. Stellen Sie die Sicherung als Benutzer wieder her, der in diesem Ordner Dateien ändern darf (zum Beispiel mit zudctl restore).</source>
        <translation>Non è stato possibile sostituire il database con quello ripristinato: %1 (%2). Il database è invariato. Ripristinare il backup come utente autorizzato a modificare i file in questa cartella (ad esempio con zudctl restore).</translation>
    </message>
    <message>
        <source>Der Arbeitsordner kann nicht angelegt werden: %1</source>
        <translation>Impossibile creare la cartella di lavoro: %1</translation>
    </message>
    <message>
        <source>Kein Platz auf %1. Schaffen Sie dort Platz und versuchen Sie es erneut.</source>
        <translation>Spazio esaurito su %1. Liberare spazio in quella posizione e riprovare.</translation>
    </message>
    <message>
        <source>Im Arbeitsordner kann nicht geschrieben werden: %1</source>
        <translation>Impossibile scrivere nella cartella di lavoro: %1</translation>
    </message>
    <message>
        <source>Im Arbeitsordner kann kein Ordner angelegt werden: %1 (%2)</source>
        <translation>Impossibile creare una cartella nella cartella di lavoro: %1 (%2)</translation>
    </message>
</context>
<context>
    <name>Berichte</name>
    <message>
        <source>Entspannen</source>
        <translation>Rilassamento</translation>
    </message>
    <message>
        <source>Anspannen</source>
        <translation>Contrazione</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>Strom</source>
        <translation>Corrente</translation>
    </message>
    <message>
        <source>Druck</source>
        <translation>Pressione</translation>
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
        <translation>Rilassamento CH1</translation>
    </message>
    <message>
        <source>Anspannen CH1</source>
        <translation>Contrazione CH1</translation>
    </message>
    <message>
        <source>Entspannen CH2</source>
        <translation>Rilassamento CH2</translation>
    </message>
    <message>
        <source>Anspannen CH2</source>
        <translation>Contrazione CH2</translation>
    </message>
    <message>
        <source>Haltedauer</source>
        <translation>Durata di tenuta</translation>
    </message>
    <message>
        <source>Basisdruck</source>
        <translation>Pressione di base</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Cognome</translation>
    </message>
    <message>
        <source>Vorname</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Geburtstag</source>
        <translation>Data di nascita</translation>
    </message>
    <message>
        <source>Patientennummer</source>
        <translation>Numero paziente</translation>
    </message>
    <message>
        <source>Datum</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Uhrzeit</source>
        <translation>Ora</translation>
    </message>
    <message>
        <source>Betriebsart</source>
        <translation>Modalità</translation>
    </message>
    <message>
        <source>Übungslänge</source>
        <translation>Durata esercizio</translation>
    </message>
    <message>
        <source>Patientendaten</source>
        <translation>Dati del paziente</translation>
    </message>
    <message>
        <source>Übung</source>
        <translation>Esercizio</translation>
    </message>
    <message>
        <source>Statistik</source>
        <translation>Statistica</translation>
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
        <translation>Nome programma</translation>
    </message>
    <message>
        <source>Seite</source>
        <translation>Pagina</translation>
    </message>
    <message>
        <source>Druckdatum</source>
        <translation>Data di stampa</translation>
    </message>
    <message>
        <source>Gerät</source>
        <translation>Apparecchio</translation>
    </message>
    <message>
        <source>Seriennummer</source>
        <translation>Numero di serie</translation>
    </message>
    <message>
        <source>Therapieanfang</source>
        <translation>Inizio terapia</translation>
    </message>
    <message>
        <source>Therapieende</source>
        <translation>Fine terapia</translation>
    </message>
    <message>
        <source>Anzahl Behandlungen</source>
        <translation>Numero di trattamenti</translation>
    </message>
    <message>
        <source>Ø Behandlungsdauer</source>
        <translation>Durata media trattamento</translation>
    </message>
    <message>
        <source>Therapietreue</source>
        <translation>Aderenza alla terapia</translation>
    </message>
    <message>
        <source>Therapie-Zusammenfassung</source>
        <translation>Riepilogo della terapia</translation>
    </message>
    <message>
        <source>Geburtsdatum</source>
        <translation>Data di nascita</translation>
    </message>
    <message>
        <source>Straße</source>
        <translation>Via</translation>
    </message>
    <message>
        <source>PLZ</source>
        <translation>CAP</translation>
    </message>
    <message>
        <source>Ort</source>
        <translation>Città</translation>
    </message>
    <message>
        <source>Krankenkasse</source>
        <translation>Cassa malati</translation>
    </message>
    <message>
        <source>SV-Nummer</source>
        <translation>N. assicurazione</translation>
    </message>
    <message>
        <source>Therapiedaten</source>
        <translation>Dati della terapia</translation>
    </message>
    <message>
        <source>Die PDF-Datei konnte nicht erzeugt werden: %1</source>
        <translation>Impossibile creare il file PDF: %1</translation>
    </message>
    <message>
        <source>Verlauf</source>
        <translation>Andamento</translation>
    </message>
    <message>
        <source>geb.</source>
        <translation>nato/a il</translation>
    </message>
    <message>
        <source>Zeitraum</source>
        <translation>Periodo</translation>
    </message>
    <message>
        <source>keine programmierte Übungsdauer</source>
        <translation>nessuna durata di esercizio programmata</translation>
    </message>
</context>
<context>
    <name>Berichtsausgabe</name>
    <message>
        <source>PDF-Dateien (*.pdf)</source>
        <translation>File PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Der Druck ist fehlgeschlagen. Bitte prüfen Sie den Drucker und versuchen Sie es noch einmal.</source>
        <translation>La stampa non è riuscita. Controllare la stampante e riprovare.</translation>
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
        <translation>Elettrostimolazione ES</translation>
    </message>
    <message>
        <source>Biofeedback+Elektrostim.</source>
        <translation>Biofeedback+elettrostim.</translation>
    </message>
    <message>
        <source>EMG-gesteuerte Elektrostim.      </source>
        <translation>Elettrostim. controllata da EMG      </translation>
    </message>
    <message>
        <source>Druck</source>
        <translation>Pressione</translation>
    </message>
    <message>
        <source>Training Druck</source>
        <translation>Allenamento pressione</translation>
    </message>
    <message>
        <source>1-kanalig EMG + Druck</source>
        <translation>EMG a 1 canale + pressione</translation>
    </message>
    <message>
        <source>2-kanalig EMG + Druck</source>
        <translation>EMG a 2 canali + pressione</translation>
    </message>
    <message>
        <source>Programmfolge</source>
        <translation>Sequenza programmi</translation>
    </message>
    <message>
        <source>2-kanalig EMG</source>
        <translation>EMG a 2 canali</translation>
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
        <translation>EMG(1)+pressione</translation>
    </message>
    <message>
        <source>EMG(2)+Druck</source>
        <translation>EMG(2)+pressione</translation>
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
        <translation>Impossibile scrivere il file: %1 (%2)</translation>
    </message>
    <message>
        <source>kein Platz mehr auf dem Datenträger</source>
        <translation>spazio esaurito sul supporto</translation>
    </message>
    <message>
        <source>keine Berechtigung für diesen Ordner</source>
        <translation>nessuna autorizzazione per questa cartella</translation>
    </message>
    <message>
        <source>ein Ordner dieses Namens ist im Weg</source>
        <translation>una cartella con questo nome occupa già questa posizione</translation>
    </message>
    <message>
        <source>der Ordner existiert nicht</source>
        <translation>la cartella non esiste</translation>
    </message>
    <message>
        <source>ein Teil des Pfades ist kein Ordner</source>
        <translation>una parte del percorso non è una cartella</translation>
    </message>
    <message>
        <source>der Datenträger ist schreibgeschützt</source>
        <translation>il supporto è protetto da scrittura</translation>
    </message>
    <message>
        <source>der Name ist zu lang</source>
        <translation>il nome è troppo lungo</translation>
    </message>
    <message>
        <source>Ein-/Ausgabefehler des Datenträgers</source>
        <translation>errore di input/output del supporto</translation>
    </message>
</context>
<context>
    <name>Datenbank</name>
    <message>
        <source>Der Datenbankserver ist nicht erreichbar. Prüfen Sie, ob der Server läuft und ob Servername und Port (SQLServer3, RemoteServicePort3) stimmen.</source>
        <translation>Il server del database non è raggiungibile. Verificare che il server sia in esecuzione e che il nome del server e la porta (SQLServer3, RemoteServicePort3) siano corretti.</translation>
    </message>
    <message>
        <source>Benutzername oder Passwort ist falsch.</source>
        <translation>Nome utente o password errati.</translation>
    </message>
    <message>
        <source>Diesem Benutzer fehlt die Berechtigung für diesen Vorgang.</source>
        <translation>Questo utente non dispone dell&apos;autorizzazione per questa operazione.</translation>
    </message>
    <message>
        <source>Die Datei ist keine Datenbank dieses Programms oder sie ist beschädigt. Stellen Sie die letzte Datensicherung wieder her.</source>
        <translation>Il file non è un database di questo programma oppure è danneggiato. Ripristinare l&apos;ultimo backup.</translation>
    </message>
    <message>
        <source>Keine Berechtigung für den Sperr-Ordner der Datenbank (FIREBIRD_LOCK). Der Benutzer braucht dort Schreibrecht.</source>
        <translation>Nessuna autorizzazione per la cartella di lock del database (FIREBIRD_LOCK). L&apos;utente deve disporre del permesso di scrittura su di essa.</translation>
    </message>
    <message>
        <source>Auf dem Datenträger der Datenbank ist kein Platz mehr. Schaffen Sie Platz und versuchen Sie es erneut.</source>
        <translation>Spazio esaurito sul disco del database. Liberare spazio e riprovare.</translation>
    </message>
    <message>
        <source>Keine Berechtigung für die Datenbankdatei oder ihren Ordner. Der Benutzer braucht Lese- und Schreibrecht auf beide.</source>
        <translation>Nessuna autorizzazione per il file del database o la sua cartella. L&apos;utente deve disporre dei permessi di lettura e scrittura su entrambi.</translation>
    </message>
    <message>
        <source>Die Datenbank wurde nicht gefunden. Prüfen Sie den Datenbankordner (Einstellung SQLDir3).</source>
        <translation>Database non trovato. Verificare la cartella del database (impostazione SQLDir3).</translation>
    </message>
    <message>
        <source>Die Datenbankdatei wird gerade von einem anderen Programm benutzt. Beenden Sie das andere Programm oder verwenden Sie einen Datenbankserver für mehrere Arbeitsplätze.</source>
        <translation>Il file del database è attualmente in uso da parte di un altro programma. Chiudere l&apos;altro programma oppure utilizzare un server di database per più postazioni di lavoro.</translation>
    </message>
    <message>
        <source>Ein Text ist länger, als sein Feld in der Datenbank erlaubt.</source>
        <translation>Un testo supera la lunghezza consentita dal relativo campo nel database.</translation>
    </message>
    <message>
        <source>Dem Benutzer fehlt die Rolle „Benutzer“ in der Datenbank.</source>
        <translation>L&apos;utente non dispone del ruolo «Benutzer» nel database.</translation>
    </message>
    <message>
        <source>Keine Verbindung zur Datenbank.</source>
        <translation>Nessuna connessione al database.</translation>
    </message>
    <message>
        <source>Fehler der Datenbank.</source>
        <translation>Errore del database.</translation>
    </message>
    <message>
        <source>Fehler beim Öffnen der Datenbank. (%1)</source>
        <translation>Errore durante l&apos;apertura del database. (%1)</translation>
    </message>
    <message>
        <source>Ungültiger Benutzername: nur Buchstaben, Ziffern und _ (höchstens 31 Zeichen, zuerst ein Buchstabe).</source>
        <translation>Nome utente non valido: solo lettere, cifre e _ (massimo 31 caratteri, il primo deve essere una lettera).</translation>
    </message>
    <message>
        <source>Die Benutzerverwaltung braucht einen Datenbankserver (Einstellung SQLServer3); das eingebettete Datenbanksystem prüft keine Passwörter.</source>
        <translation>La gestione utenti richiede un server di database (impostazione SQLServer3); il sistema di database integrato non verifica le password.</translation>
    </message>
    <message>
        <source>Das Passwort darf nicht leer sein.</source>
        <translation>La password non può essere vuota.</translation>
    </message>
    <message>
        <source>Fehler: Die fettgedruckten Felder sind Pflichtfelder!</source>
        <translation>Errore: i campi in grassetto sono obbligatori!</translation>
    </message>
    <message>
        <source>Fehler: Das Geburtsdatum muss zwischen dem 01.01.1900 und heute liegen!</source>
        <translation>Errore: la data di nascita deve essere compresa tra il 01/01/1900 e oggi!</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Cognome</translation>
    </message>
    <message>
        <source>Vorname</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Patienten-ID</source>
        <translation>ID paziente</translation>
    </message>
    <message>
        <source>Krankenkasse</source>
        <translation>Assicurazione sanitaria</translation>
    </message>
    <message>
        <source>Versicherten-Nr.</source>
        <translation>N. assicurato</translation>
    </message>
    <message>
        <source>Wohnort</source>
        <translation>Località</translation>
    </message>
    <message>
        <source>Straße</source>
        <translation>Via</translation>
    </message>
    <message>
        <source>PLZ</source>
        <translation>CAP</translation>
    </message>
    <message>
        <source>Telefon</source>
        <translation>Telefono</translation>
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
        <translation>Altezza</translation>
    </message>
    <message>
        <source>Gewicht</source>
        <translation>Peso</translation>
    </message>
    <message>
        <source>Fehler: Der Text im Feld „%1“ ist länger als %2 Zeichen.</source>
        <translation>Errore: il testo nel campo «%1» supera i %2 caratteri.</translation>
    </message>
    <message>
        <source>Fehler: Patient bereits vorhanden!</source>
        <translation>Errore: paziente già presente!</translation>
    </message>
    <message>
        <source>Die Aufzeichnung ist unvollständig (kein Programmkopf).</source>
        <translation>La registrazione è incompleta (manca l&apos;intestazione del programma).</translation>
    </message>
    <message>
        <source>Der Datensatz wird gerade an einem anderen Arbeitsplatz bearbeitet oder wurde dort soeben geändert. Ihre Änderung wurde nicht gespeichert. Bitte laden Sie die Liste neu und versuchen Sie es noch einmal.</source>
        <translation>Il record è in fase di modifica su un&apos;altra postazione di lavoro o vi è appena stato modificato. La modifica non è stata salvata. Ricaricare l&apos;elenco e riprovare.</translation>
    </message>
    <message>
        <source>Ein Text enthält ein Zeichen, das der Zeichensatz dieser Datenbank nicht speichern kann. Ersetzen Sie das Zeichen und versuchen Sie es noch einmal.</source>
        <translation>Un testo contiene un carattere che il set di caratteri di questo database non può memorizzare. Sostituire il carattere e riprovare.</translation>
    </message>
    <message>
        <source>Der Zeichensatz der Datenbank oder der Einstellung SQLCodePage3 wird nicht unterstützt.</source>
        <translation>Il set di caratteri del database o dell&apos;impostazione SQLCodePage3 non è supportato.</translation>
    </message>
    <message>
        <source>Der Patient wurde inzwischen an einem anderen Arbeitsplatz gelöscht. Bitte laden Sie die Liste neu.</source>
        <translation>Nel frattempo il paziente è stato eliminato su un&apos;altra postazione di lavoro. Ricaricare l&apos;elenco.</translation>
    </message>
    <message>
        <source>Patient %1 gelöscht, mit seinen Übungen (%2).</source>
        <translation>Paziente %1 eliminato, con i suoi esercizi (%2).</translation>
    </message>
    <message>
        <source>Patient %1 gelöscht; er hatte keine Übungen.</source>
        <translation>Paziente %1 eliminato; non aveva esercizi.</translation>
    </message>
    <message>
        <source>Patient %1 gelöscht; seine Übungen bleiben ohne Patient in der Datenbank (%2): %3</source>
        <translation>Paziente %1 eliminato; i suoi esercizi restano nel database senza paziente (%2): %3</translation>
    </message>
    <message>
        <source>Datei kann nicht kopiert werden: %1</source>
        <translation>Impossibile copiare il file: %1</translation>
    </message>
    <message>
        <source>Datei kann nicht geschrieben werden: %1</source>
        <translation>Impossibile scrivere il file: %1</translation>
    </message>
    <message>
        <source>Die Verbindung zum Datenbankserver wäre nicht verschlüsselt. Patientendaten gehen nur verschlüsselt über das Netz: Stellen Sie auf dem Server WireCrypt = Required ein (zudctl server-setup --system).</source>
        <translation>La connessione al server del database non sarebbe cifrata. I dati dei pazienti passano in rete solo cifrati: impostate WireCrypt = Required sul server (zudctl server-setup --system).</translation>
    </message>
    <message>
        <source>Der Datenbankserver „%1“ (Port %2) ist nicht erreichbar. Prüfen Sie, ob der Server läuft, ob dieser Arbeitsplatz ihn im Netz erreicht und ob Servername und Port (SQLServer3, RemoteServicePort3) stimmen.
(%3)</source>
        <translation>Il server del database «%1» (porta %2) non è raggiungibile. Verificate che il server sia in funzione, che questa postazione lo raggiunga in rete e che nome del server e porta (SQLServer3, RemoteServicePort3) siano corretti.
(%3)</translation>
    </message>
    <message>
        <source>Die Übung ist nicht mehr vorhanden; sie wurde inzwischen gelöscht (auch an einem anderen Arbeitsplatz oder mit ihrem Patienten). Es wurde nichts geändert.</source>
        <translation>L’esercizio non esiste più; nel frattempo è stato eliminato (anche su un’altra postazione o insieme al suo paziente). Non è stato modificato nulla.</translation>
    </message>
    <message>
        <source>Der Tabelle %1 fehlt ihr Primärschlüssel auf %2: ein Schlüssel kann doppelt vorkommen.</source>
        <translation>Alla tabella %1 manca la chiave primaria su %2: una chiave può comparire due volte.</translation>
    </message>
    <message>
        <source>Der Schlüssel %1 = %2 kommt in der Tabelle %3 %4-mal vor.</source>
        <translation>La chiave %1 = %2 compare %4 volte nella tabella %3.</translation>
    </message>
    <message>
        <source>Der Generator %1 fehlt: neue Zeilen der Tabelle %2 bekommen keinen Schlüssel.</source>
        <translation>Il generatore %1 manca: le nuove righe della tabella %2 non ricevono una chiave.</translation>
    </message>
    <message>
        <source>Der Generator %1 steht auf %2, der größte Schlüssel %3 in %4 ist aber %5: neue Zeilen bekämen Schlüssel, die es schon gibt.</source>
        <translation>Il generatore %1 è a %2, ma la chiave più grande %3 in %4 è %5: le nuove righe riceverebbero chiavi già esistenti.</translation>
    </message>
    <message>
        <source>Datenbank geprüft (Übungen: %1, Patienten: %2, Geräte: %3).</source>
        <translation>Database verificato (esercizi: %1, pazienti: %2, dispositivi: %3).</translation>
    </message>
    <message>
        <source>Keine Probleme gefunden.</source>
        <translation>Nessun problema trovato.</translation>
    </message>
    <message>
        <source>Probleme: %1.</source>
        <translation>Problemi: %1.</translation>
    </message>
    <message>
        <source>Hinweis von Firebird (kein Schaden: nach einem unerwarteten Ende eines Programms bleiben Seiten belegt, die nichts enthalten; eine Datensicherung mit Wiederherstellung gibt sie frei): %1.</source>
        <translation>Nota di Firebird (nessun danno: dopo la chiusura imprevista di un programma restano allocate pagine che non contengono nulla; un backup seguito da un ripristino le libera): %1.</translation>
    </message>
    <message>
        <source>Andere Arbeitsplätze waren angemeldet: Firebird hat Tabellen und Indizes geprüft, aber nicht die Verwaltungsseiten der Datei. Die vollständige Prüfung läuft, wenn niemand angemeldet ist.</source>
        <translation>Altre postazioni erano connesse: Firebird ha verificato tabelle e indici, ma non le pagine di gestione del file. La verifica completa avviene quando nessuno è connesso.</translation>
    </message>
    <message>
        <source>Die Prüfung der Datenbank wurde abgebrochen.</source>
        <translation>La verifica del database è stata annullata.</translation>
    </message>
    <message>
        <source>Firebird konnte die Tabelle %1 nicht prüfen: ein angemeldeter Arbeitsplatz hat sie in einer noch offenen Transaktion geändert. Prüfen Sie noch einmal, wenn alle Arbeitsplätze abgemeldet sind.</source>
        <translation>Firebird non ha potuto verificare la tabella %1: una postazione connessa l&apos;ha modificata in una transazione ancora aperta. Verificate di nuovo quando tutte le postazioni si sono disconnesse.</translation>
    </message>
    <message>
        <source>Firebird meldet einen Fehler in der Datenbankdatei: %1</source>
        <translation>Firebird segnala un errore nel file del database: %1</translation>
    </message>
    <message>
        <source>Die Gerätenummer %1 (GERAETEID) ist in QALGERAETE %2-mal vergeben: ihre Übungen gehören zu keinem eindeutigen Gerät.</source>
        <translation>Il numero di dispositivo %1 (GERAETEID) è assegnato %2 volte in QALGERAETE: i suoi esercizi non appartengono a un unico dispositivo.</translation>
    </message>
    <message>
        <source>Übung %1: %2</source>
        <translation>Esercizio %1: %2</translation>
    </message>
    <message>
        <source>Die Daten können nicht gelesen werden (%1).</source>
        <translation>I dati non possono essere letti (%1).</translation>
    </message>
    <message>
        <source>Die Übung gehört zu keinem Patienten (PATIENT ist leer).</source>
        <translation>L&apos;esercizio non appartiene a nessun paziente (PATIENT è vuoto).</translation>
    </message>
    <message>
        <source>Der Patient %1 fehlt in der Patiententabelle: die Übung erscheint bei keinem Patienten. Ordnen Sie sie einem Patienten zu (zudctl db move %2 PATIENT).</source>
        <translation>Il paziente %1 manca nella tabella dei pazienti: l&apos;esercizio non compare presso nessun paziente. Assegnatelo a un paziente (zudctl db move %2 PATIENT).</translation>
    </message>
    <message>
        <source>Das Gerät %1 (TYP) fehlt in der Gerätetabelle QALGERAETE.</source>
        <translation>Il dispositivo %1 (TYP) manca nella tabella dei dispositivi QALGERAETE.</translation>
    </message>
    <message>
        <source>Die Übung ist doppelt gespeichert: Patient, Datum, Uhrzeit und Daten gleichen Übung %1.</source>
        <translation>L&apos;esercizio è salvato due volte: paziente, data, ora e dati sono quelli dell&apos;esercizio %1.</translation>
    </message>
    <message>
        <source>Die Tabellen können nicht vollständig gelesen werden: %1</source>
        <translation>Le tabelle non possono essere lette completamente: %1</translation>
    </message>
    <message>
        <source>Die Verbindung zum Datenbankserver „%1“ (Port %2) ist abgebrochen; der Vorgang wurde nicht abgeschlossen und nichts davon halb gespeichert. Prüfen Sie, ob der Server läuft. Sobald er wieder erreichbar ist, verbindet sich das Programm bei der nächsten Aktion neu; wiederholen Sie dann den Vorgang.</source>
        <translation>La connessione al server del database «%1» (porta %2) si è interrotta; l’operazione non è stata completata e nulla è stato salvato a metà. Verificate che il server sia in funzione. Non appena sarà di nuovo raggiungibile, il programma si ricollegherà alla prossima azione; ripetete allora l’operazione.</translation>
    </message>
    <message>
        <source>Der Datenbankserver „%1“ (Port %2) ist nicht erreichbar. Prüfen Sie, ob der Server läuft, ob dieser Arbeitsplatz ihn im Netz erreicht und ob Servername und Port (SQLServer3, RemoteServicePort3) stimmen.</source>
        <translation>Il server del database «%1» (porta %2) non è raggiungibile. Verificate che il server sia in funzione, che questa postazione lo raggiunga in rete e che nome del server e porta (SQLServer3, RemoteServicePort3) siano corretti.</translation>
    </message>
    <message>
        <source>Kein Platz auf %1: Der Datenträger der Datenbank ist voll. Schaffen Sie dort Platz und versuchen Sie es erneut.</source>
        <translation>Spazio esaurito su %1: il disco del database è pieno. Liberare spazio in quella posizione e riprovare.</translation>
    </message>
</context>
<context>
    <name>DrawChart</name>
    <message>
        <source>Druck</source>
        <translation>Pressione</translation>
    </message>
</context>
<context>
    <name>EdfExport</name>
    <message>
        <source>Entspannen</source>
        <translation>Rilassamento</translation>
    </message>
    <message>
        <source>Anspannen</source>
        <translation>Contrazione</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>Strom</source>
        <translation>Corrente</translation>
    </message>
    <message>
        <source>Phase %1</source>
        <translation>Fase %1</translation>
    </message>
    <message>
        <source>Die Übung enthält keine Messwerte, die als EDF+ exportiert werden können.</source>
        <translation>L’esercizio non contiene valori misurati esportabili come EDF+.</translation>
    </message>
    <message>
        <source>Datei kann nicht geschrieben werden: %1</source>
        <translation>Impossibile scrivere il file: %1</translation>
    </message>
    <message>
        <source>Die EDF+-Datei %1 konnte nicht geschrieben werden.</source>
        <translation>Non è stato possibile scrivere il file EDF+ %1.</translation>
    </message>
</context>
<context>
    <name>Gdt</name>
    <message>
        <source>Zeile %1: %2</source>
        <translation>Riga %1: %2</translation>
    </message>
    <message>
        <source>Die GDT-Datei ist leer.</source>
        <translation>Il file GDT è vuoto.</translation>
    </message>
    <message>
        <source>Die GDT-Datei ist zu groß für einen Satz.</source>
        <translation>Il file GDT è troppo grande per un record.</translation>
    </message>
    <message>
        <source>Die Zeile endet nicht mit CR LF (Datei unvollständig?).</source>
        <translation>La riga non termina con CR LF (file incompleto?).</translation>
    </message>
    <message>
        <source>Die Zeile hat nicht die Form Länge, Feldkennung, Inhalt.</source>
        <translation>La riga non ha la forma lunghezza, identificativo del campo, contenuto.</translation>
    </message>
    <message>
        <source>Die Zeilenlänge %1 stimmt nicht (tatsächlich %2 Zeichen).</source>
        <translation>La lunghezza della riga %1 è errata (in realtà %2 caratteri).</translation>
    </message>
    <message>
        <source>Die Zeile enthält ein CR.</source>
        <translation>La riga contiene un CR.</translation>
    </message>
    <message>
        <source>Der Satz beginnt nicht mit der Satzart (Feld 8000).</source>
        <translation>Il record non inizia con il tipo di record (campo 8000).</translation>
    </message>
    <message>
        <source>Die Satzart ist keine vierstellige Zahl.</source>
        <translation>Il tipo di record non è un numero di quattro cifre.</translation>
    </message>
    <message>
        <source>Die Datei enthält mehr als einen Satz.</source>
        <translation>Il file contiene più di un record.</translation>
    </message>
    <message>
        <source>Die Satzlänge (Feld 8100) fehlt.</source>
        <translation>Manca la lunghezza del record (campo 8100).</translation>
    </message>
    <message>
        <source>Die Satzlänge %1 stimmt nicht mit der Dateigröße %2 überein.</source>
        <translation>La lunghezza del record %1 non corrisponde alla dimensione del file %2.</translation>
    </message>
    <message>
        <source>Unbekannter Zeichensatz „%1“.</source>
        <translation>Set di caratteri sconosciuto «%1».</translation>
    </message>
    <message>
        <source>Die GDT-Version (Feld 9218) fehlt.</source>
        <translation>Manca la versione GDT (campo 9218).</translation>
    </message>
    <message>
        <source>Die GDT-Version „%1“ wird nicht unterstützt (2.x oder 3.x).</source>
        <translation>La versione GDT «%1» non è supportata (2.x o 3.x).</translation>
    </message>
    <message>
        <source>Die Datei ist an „%1“ gerichtet, nicht an „%2“.</source>
        <translation>Il file è indirizzato a «%1», non a «%2».</translation>
    </message>
    <message>
        <source>Das Zeichen „%1“ in Feld %2 („%3“) kann im gewählten GDT-Zeichensatz nicht übertragen werden. Bitte wählen Sie in den Einstellungen einen anderen Zeichensatz oder ändern Sie den Text.</source>
        <translation>Il carattere «%1» nel campo %2 («%3») non può essere trasmesso nel set di caratteri GDT scelto. Scegliere un altro set di caratteri nelle impostazioni o modificare il testo.</translation>
    </message>
    <message>
        <source>Der Inhalt von Feld %1 ist zu lang für eine GDT-Zeile.</source>
        <translation>Il contenuto del campo %1 è troppo lungo per una riga GDT.</translation>
    </message>
    <message>
        <source>Der GDT-Satz ist länger als 99999 Zeichen.</source>
        <translation>Il record GDT supera i 99999 caratteri.</translation>
    </message>
    <message>
        <source>Die Satzart %1 wird nicht angenommen (6301, 6302 oder 6311).</source>
        <translation>Il tipo di record %1 non è accettato (6301, 6302 o 6311).</translation>
    </message>
    <message>
        <source>Der Dateiverweis „%1“ zeigt aus dem GDT-Austauschordner hinaus.</source>
        <translation>Il riferimento al file «%1» punta fuori dalla cartella di scambio GDT.</translation>
    </message>
    <message>
        <source>Das Geburtsdatum „%1“ ist kein Datum (TTMMJJJJ).</source>
        <translation>La data di nascita «%1» non è una data (GGMMAAAA).</translation>
    </message>
    <message>
        <source>Die Anfrage nennt weder eine Patientennummer (3000) noch Name und Vorname.</source>
        <translation>La richiesta non indica né un numero paziente (3000) né cognome e nome.</translation>
    </message>
    <message>
        <source>Das Datum der Untersuchung (Feld 6200) fehlt oder ist ungültig.</source>
        <translation>La data dell’esame (campo 6200) manca o non è valida.</translation>
    </message>
    <message>
        <source>Die Uhrzeit der Untersuchung (Feld 6201) fehlt oder ist ungültig.</source>
        <translation>L’ora dell’esame (campo 6201) manca o non è valida.</translation>
    </message>
    <message>
        <source>Die GDT-Datei %1 wurde abgelehnt: %2 Sie konnte nicht in den Ordner „fehler“ verschoben werden; bitte entfernen Sie sie von Hand.</source>
        <translation>Il file GDT %1 è stato rifiutato: %2 Non è stato possibile spostarlo nella cartella «fehler»; rimuoverlo manualmente.</translation>
    </message>
    <message>
        <source>Die GDT-Datei %1 wurde abgelehnt und in den Ordner „fehler“ verschoben: %2</source>
        <translation>Il file GDT %1 è stato rifiutato e spostato nella cartella «fehler»: %2</translation>
    </message>
    <message>
        <source>Die GDT-Datei %1 kann nicht gelesen werden: %2</source>
        <translation>Impossibile leggere il file GDT %1: %2</translation>
    </message>
    <message>
        <source>Praxissoftware: Die Übung vom %1 um %2 von %3 ist nicht gespeichert.</source>
        <translation>Software dello studio: l’esercizio del %1 alle %2 di %3 non è salvato.</translation>
    </message>
    <message>
        <source>Praxissoftware: Patient %1 wurde angelegt.</source>
        <translation>Software dello studio: il paziente %1 è stato creato.</translation>
    </message>
    <message>
        <source>Praxissoftware: Patient %1 ausgewählt.</source>
        <translation>Software dello studio: paziente %1 selezionato.</translation>
    </message>
    <message>
        <source>Betriebsart</source>
        <translation>Modalità</translation>
    </message>
    <message>
        <source>Übungslänge</source>
        <translation>Durata dell’esercizio</translation>
    </message>
    <message>
        <source>%1 Mittelwert</source>
        <translation>%1 media</translation>
    </message>
    <message>
        <source>%1 Minimum</source>
        <translation>%1 minimo</translation>
    </message>
    <message>
        <source>%1 Maximum</source>
        <translation>%1 massimo</translation>
    </message>
    <message>
        <source>Haltedauer</source>
        <translation>Durata di mantenimento</translation>
    </message>
    <message>
        <source>Basisdruck</source>
        <translation>Pressione di base</translation>
    </message>
    <message>
        <source>Die Übung gehört zu keinem gespeicherten Patienten.</source>
        <translation>L’esercizio non appartiene a nessun paziente salvato.</translation>
    </message>
    <message>
        <source>Bericht der Übung vom %1</source>
        <translation>Rapporto dell’esercizio del %1</translation>
    </message>
    <message>
        <source>Im GDT-Austauschordner liegen 999 unabgeholte Ergebnisdateien. Bitte prüfen Sie, ob die Praxissoftware sie abholt.</source>
        <translation>Nella cartella di scambio GDT ci sono 999 file di risultati non ritirati. Verificare che il software dello studio li ritiri.</translation>
    </message>
    <message>
        <source>Bitte geben Sie den GDT-Austauschordner an.</source>
        <translation>Indicare la cartella di scambio GDT.</translation>
    </message>
    <message>
        <source>Der GDT-Austauschordner „%1“ ist nicht vorhanden. Bitte legen Sie ihn an oder wählen Sie einen anderen.</source>
        <translation>La cartella di scambio GDT «%1» non esiste. Crearla o sceglierne un’altra.</translation>
    </message>
    <message>
        <source>Die GDT-Kennungen müssen 1 bis 8 Buchstaben oder Ziffern lang sein.</source>
        <translation>Gli ID GDT devono essere lunghi da 1 a 8 lettere o cifre.</translation>
    </message>
    <message>
        <source>Die eigene GDT-Kennung und die der Praxissoftware müssen sich unterscheiden.</source>
        <translation>L’ID GDT proprio e quello del software dello studio devono essere diversi.</translation>
    </message>
    <message>
        <source>Der Untersuchungscode ist zu lang.</source>
        <translation>Il codice esame è troppo lungo.</translation>
    </message>
    <message>
        <source>Die Praxissoftware hat das vorige Ergebnis (%1) noch nicht abgeholt. Bitte lassen Sie es dort einlesen oder stellen Sie in den GDT-Einstellungen nummerierte Ergebnisdateien ein.</source>
        <translation>Il software dello studio non ha ancora prelevato il risultato precedente (%1). Importarlo nel software o attivare i file di risultato numerati nelle impostazioni GDT.</translation>
    </message>
    <message>
        <source>Die Datei ist nicht vorhanden.</source>
        <translation>Il file non esiste.</translation>
    </message>
    <message>
        <source>Sie ist keine GDT-Datei (sie beginnt nicht mit dem Feld 8000) oder größer als eine Anfrage sein kann.</source>
        <translation>Non è un file GDT (non inizia con il campo 8000) oppure è più grande di quanto possa essere una richiesta.</translation>
    </message>
</context>
<context>
    <name>Geraet</name>
    <message>
        <source>die Schnittstelle ist nicht vorhanden (Kabel eingesteckt?)</source>
        <translation>la porta non è presente (cavo collegato?)</translation>
    </message>
    <message>
        <source>keine Berechtigung: der Benutzer muss Mitglied der Gruppe dialout sein (danach neu anmelden)</source>
        <translation>nessuna autorizzazione: l&apos;utente deve essere membro del gruppo dialout (quindi effettuare di nuovo l&apos;accesso)</translation>
    </message>
    <message>
        <source>die Schnittstelle wird von einem anderen Programm benutzt</source>
        <translation>la porta è utilizzata da un altro programma</translation>
    </message>
    <message>
        <source>das ist keine serielle Schnittstelle</source>
        <translation>non è una porta seriale</translation>
    </message>
    <message>
        <source>Schnittstelle kann nicht geöffnet werden</source>
        <translation>Impossibile aprire la porta</translation>
    </message>
    <message>
        <source>&apos;%1&apos; ist kein gültiger Integerwert</source>
        <translation>&apos;%1&apos; non è un valore intero valido</translation>
    </message>
    <message>
        <source>Kein Gerät erkannt!</source>
        <translation>Nessun dispositivo rilevato!</translation>
    </message>
    <message>
        <source>Die Firmware am Gerät unterstützt diese Funktion nicht!</source>
        <translation>Il firmware del dispositivo non supporta questa funzione!</translation>
    </message>
    <message>
        <source>Während der Kommunikation ist ein Fehler aufgetreten!</source>
        <translation>Si è verificato un errore durante la comunicazione!</translation>
    </message>
    <message>
        <source>Gerät wird nicht unterstützt</source>
        <translation>Dispositivo non supportato</translation>
    </message>
    <message>
        <source>ZUD12 Typ %1</source>
        <translation>ZUD12 tipo %1</translation>
    </message>
</context>
<context>
    <name>Login</name>
    <message>
        <source>Benutzer</source>
        <translation>Utente</translation>
    </message>
</context>
<context>
    <name>Phasengruppen</name>
    <message>
        <source>Entspannen</source>
        <translation>Rilassamento</translation>
    </message>
    <message>
        <source>Anspannen</source>
        <translation>Contrazione</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>Strom</source>
        <translation>Corrente</translation>
    </message>
    <message>
        <source>Druck</source>
        <translation>Pressione</translation>
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
        <translation>Rilassamento CH1</translation>
    </message>
    <message>
        <source>Anspannen CH1</source>
        <translation>Contrazione CH1</translation>
    </message>
    <message>
        <source>Entspannen CH2</source>
        <translation>Rilassamento CH2</translation>
    </message>
    <message>
        <source>Anspannen CH2</source>
        <translation>Contrazione CH2</translation>
    </message>
</context>
<context>
    <name>Programmierung</name>
    <message>
        <source>Dauerbetrieb</source>
        <translation>Continuo</translation>
    </message>
    <message>
        <source>%1min</source>
        <translation>%1min</translation>
    </message>
    <message>
        <source>Einige Texte konnten nicht in die eingestellte Sprache des Gerätes konvertiert werden. Überprüfen Sie die Anzeige!</source>
        <translation>Alcuni testi non hanno potuto essere convertiti nella lingua impostata sul dispositivo. Controllare il display!</translation>
    </message>
    <message>
        <source>Lade Systemparameter ...</source>
        <translation>Caricamento parametri di sistema ...</translation>
    </message>
    <message>
        <source>Lade Therapeutendaten ...</source>
        <translation>Caricamento dati terapisti ...</translation>
    </message>
    <message>
        <source>Laden abgebrochen.</source>
        <translation>Caricamento annullato.</translation>
    </message>
    <message>
        <source>Datei kann nicht gelesen werden: %1 (%2)</source>
        <translation>Impossibile leggere il file: %1 (%2)</translation>
    </message>
    <message>
        <source>Es ist ein anderes Gerät angeschlossen als beim Laden (S/N %1). Bitte die Programmierung neu starten.</source>
        <translation>È collegato un dispositivo diverso da quello caricato (N/S %1). Riavviare la programmazione.</translation>
    </message>
    <message>
        <source>Lösche Übungen (Therapeut %1, Patient %2)</source>
        <translation>Eliminazione esercizi (terapista %1, paziente %2)</translation>
    </message>
    <message>
        <source>Werkszustand</source>
        <translation>Stato di fabbrica</translation>
    </message>
    <message>
        <source>Werkseinstellungen abgebrochen: die Übungen von %1 Patienten wurden gelöscht, das Gerät behält seine Programme.</source>
        <translation>Impostazioni di fabbrica annullate: gli esercizi di %1 pazienti sono stati eliminati; il dispositivo conserva i suoi programmi.</translation>
    </message>
    <message>
        <source>Übertrage Programme ...</source>
        <translation>Trasferimento dei programmi ...</translation>
    </message>
    <message>
        <source>Übertragen abgebrochen: %1 Dateien wurden übertragen. Die übrigen Änderungen überträgt das nächste „Übertragen“.</source>
        <translation>Trasferimento annullato: sono stati trasferiti %1 file. Il prossimo «Trasferisci» invierà le modifiche restanti.</translation>
    </message>
</context>
<context>
    <name>Ribbon</name>
    <message>
        <source>Dieser Befehl ist deaktiviert.</source>
        <translation>Questo comando è disattivato.</translation>
    </message>
</context>
<context>
    <name>Rohdaten</name>
    <message>
        <source>Entspannen</source>
        <translation>Rilassamento</translation>
    </message>
    <message>
        <source>Anspannen</source>
        <translation>Contrazione</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>Strom</source>
        <translation>Corrente</translation>
    </message>
</context>
<context>
    <name>Statistik</name>
    <message>
        <source>Einkanalig</source>
        <translation>Monocanale</translation>
    </message>
    <message>
        <source>Zweikanalig</source>
        <translation>Bicanale</translation>
    </message>
    <message>
        <source>EMG-gesteuert</source>
        <translation>Comandato da EMG</translation>
    </message>
    <message>
        <source>Druck</source>
        <translation>Pressione</translation>
    </message>
    <message>
        <source>Training Druck</source>
        <translation>Allenamento pressione</translation>
    </message>
    <message>
        <source>Nr</source>
        <translation>N.</translation>
    </message>
    <message>
        <source>Datum</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Uhrzeit</source>
        <translation>Ora</translation>
    </message>
    <message>
        <source>Programmname</source>
        <translation>Nome programma</translation>
    </message>
    <message>
        <source>Betriebsart</source>
        <translation>Modalità</translation>
    </message>
    <message>
        <source>Übungslänge</source>
        <translation>Durata esercizio</translation>
    </message>
    <message>
        <source>Entspannen min</source>
        <translation>Rilassamento min</translation>
    </message>
    <message>
        <source>Entspannen max</source>
        <translation>Rilassamento max</translation>
    </message>
    <message>
        <source>Entspannen Ø</source>
        <translation>Rilassamento Ø</translation>
    </message>
    <message>
        <source>Anspannen min</source>
        <translation>Contrazione min</translation>
    </message>
    <message>
        <source>Anspannen max</source>
        <translation>Contrazione max</translation>
    </message>
    <message>
        <source>Anspannen Ø</source>
        <translation>Contrazione Ø</translation>
    </message>
    <message>
        <source>Pause min</source>
        <translation>Pausa min</translation>
    </message>
    <message>
        <source>Pause max</source>
        <translation>Pausa max</translation>
    </message>
    <message>
        <source>Pause Ø</source>
        <translation>Pausa Ø</translation>
    </message>
    <message>
        <source>Strom min</source>
        <translation>Corrente min</translation>
    </message>
    <message>
        <source>Strom max</source>
        <translation>Corrente max</translation>
    </message>
    <message>
        <source>Strom Ø</source>
        <translation>Corrente Ø</translation>
    </message>
    <message>
        <source>Entspannen min CH1</source>
        <translation>Rilassamento min CH1</translation>
    </message>
    <message>
        <source>Entspannen max CH1</source>
        <translation>Rilassamento max CH1</translation>
    </message>
    <message>
        <source>Entspannen Ø CH1</source>
        <translation>Rilassamento Ø CH1</translation>
    </message>
    <message>
        <source>Anspannen min CH1</source>
        <translation>Contrazione min CH1</translation>
    </message>
    <message>
        <source>Anspannen max CH1</source>
        <translation>Contrazione max CH1</translation>
    </message>
    <message>
        <source>Anspannen Ø CH1</source>
        <translation>Contrazione Ø CH1</translation>
    </message>
    <message>
        <source>Entspannen min CH2</source>
        <translation>Rilassamento min CH2</translation>
    </message>
    <message>
        <source>Entspannen max CH2</source>
        <translation>Rilassamento max CH2</translation>
    </message>
    <message>
        <source>Entspannen Ø CH2</source>
        <translation>Rilassamento Ø CH2</translation>
    </message>
    <message>
        <source>Anspannen min CH2</source>
        <translation>Contrazione min CH2</translation>
    </message>
    <message>
        <source>Anspannen max CH2</source>
        <translation>Contrazione max CH2</translation>
    </message>
    <message>
        <source>Anspannen Ø CH2</source>
        <translation>Contrazione Ø CH2</translation>
    </message>
    <message>
        <source>Druck min</source>
        <translation>Pressione min</translation>
    </message>
    <message>
        <source>Druck max</source>
        <translation>Pressione max</translation>
    </message>
    <message>
        <source>Druck Ø</source>
        <translation>Pressione Ø</translation>
    </message>
    <message>
        <source>max. Haltedauer</source>
        <translation>Tenuta max.</translation>
    </message>
    <message>
        <source>Basisdruck</source>
        <translation>Pressione di base</translation>
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
        <translation>nessun esercizio salvato</translation>
    </message>
    <message>
        <source>keine Übung mit fester Übungsdauer über 2 min</source>
        <translation>nessun esercizio a durata fissa oltre 2 min</translation>
    </message>
    <message>
        <source>nicht hinterlegt</source>
        <translation>non registrato</translation>
    </message>
    <message>
        <source>nicht hinterlegt („%1“ ist keine Seriennummer)</source>
        <translation>non registrato («%1» non è un numero di serie)</translation>
    </message>
</context>
<context>
    <name>zud::ui::ApplicationChangeWindow</name>
    <message>
        <source>Anwendung wechseln</source>
        <translation>Cambia applicazione</translation>
    </message>
    <message>
        <source>Zurück</source>
        <translation>Indietro</translation>
    </message>
    <message>
        <source>Wechseln</source>
        <translation>Cambia</translation>
    </message>
    <message>
        <source>Allgemein</source>
        <translation>Generale</translation>
    </message>
    <message>
        <source>Anwendung</source>
        <translation>Applicazione</translation>
    </message>
    <message>
        <source>Anwendungen:</source>
        <translation>Applicazioni:</translation>
    </message>
    <message>
        <source>Firmware-Version</source>
        <translation>Versione firmware</translation>
    </message>
    <message>
        <source>Firmware-Datum</source>
        <translation>Data firmware</translation>
    </message>
    <message>
        <source>Lösche Übungen...</source>
        <translation>Eliminazione esercizi...</translation>
    </message>
    <message>
        <source>Werkszustand</source>
        <translation>Stato di fabbrica</translation>
    </message>
    <message>
        <source>%1 (aktiv)</source>
        <translation>%1 (attiva)</translation>
    </message>
    <message>
        <source>Die aktive Anwendung des Gerätes.</source>
        <translation>L’applicazione attiva del dispositivo.</translation>
    </message>
    <message>
        <source>%1 (nicht freigeschaltet)</source>
        <translation>%1 (non sbloccata)</translation>
    </message>
    <message>
        <source>Das Gerät meldet diese Anwendung nicht als freigeschaltet.</source>
        <translation>Il dispositivo non segnala questa applicazione come sbloccata.</translation>
    </message>
    <message>
        <source>Aktive Anwendung</source>
        <translation>Applicazione attiva</translation>
    </message>
    <message>
        <source>keine</source>
        <translation>nessuna</translation>
    </message>
    <message>
        <source>Freigeschaltet</source>
        <translation>Sbloccate</translation>
    </message>
    <message>
        <source>Das Gerät wird auf die Anwendung „%1“ umgestellt. Hierdurch werden alle Übungen und Patienten auf dem Gerät gelöscht und das Gerät auf Werkseinstellungen zurückgesetzt; die Datenbank bleibt unverändert. Übungen, die noch nicht ausgelesen wurden, gehen verloren.

Möchten Sie fortfahren?</source>
        <translation>Il dispositivo passerà all’applicazione «%1». Tutti gli esercizi e i pazienti sul dispositivo verranno eliminati e il dispositivo verrà riportato alle impostazioni di fabbrica; il database resta invariato. Gli esercizi non ancora letti andranno persi.

Vuole continuare?</translation>
    </message>
    <message>
        <source>Vorher auslesen</source>
        <translation>Leggi prima</translation>
    </message>
    <message>
        <source>Das Gerät meldet die Anwendung „%1“ nicht als freigeschaltet. Ohne Freischaltung kann das Gerät nach dem Wechsel womöglich keine Übungen ausführen, bis wieder auf eine freigeschaltete Anwendung gewechselt wird.

Trotzdem wechseln?</source>
        <translation>Il dispositivo non segnala l’applicazione «%1» come sbloccata. Senza sblocco, dopo il cambio il dispositivo potrebbe non eseguire esercizi finché non si torna a un’applicazione sbloccata.

Cambiare comunque?</translation>
    </message>
</context>
<context>
    <name>zud::ui::ChartFrame</name>
    <message>
        <source>Diese Übung enthält keine darstellbaren Messwerte.</source>
        <translation>Questo esercizio non contiene valori visualizzabili.</translation>
    </message>
</context>
<context>
    <name>zud::ui::CheckPatientModel</name>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Letzter Zugriff</source>
        <translation>Ultimo accesso</translation>
    </message>
    <message>
        <source>Geburtsdatum</source>
        <translation>Data di nascita</translation>
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
        <translation>Ora</translation>
    </message>
    <message>
        <source>Übungslänge</source>
        <translation>Durata dell&apos;esercizio</translation>
    </message>
    <message>
        <source>bereits gespeichert</source>
        <translation>già salvato</translation>
    </message>
    <message>
        <source>Datenbank</source>
        <translation>Database</translation>
    </message>
    <message>
        <source>gleiche Uhrzeit bei %1</source>
        <translation>stessa ora: %1</translation>
    </message>
</context>
<context>
    <name>zud::ui::ExchangeForm</name>
    <message>
        <source>Abbrechen</source>
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>zud::ui::ExchangeProgress</name>
    <message>
        <source>Abbrechen</source>
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>zud::ui::ExportWindow</name>
    <message>
        <source>Daten exportieren</source>
        <translation>Esporta dati</translation>
    </message>
    <message>
        <source>Exportieren</source>
        <translation>Esporta</translation>
    </message>
    <message>
        <source>Zurück</source>
        <translation>Indietro</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Esportazione</translation>
    </message>
    <message>
        <source>Archive</source>
        <translation>Archivi</translation>
    </message>
    <message>
        <source>Die Daten wurden exportiert (Patienten: %1) in die Datei:
%2</source>
        <translation>I dati sono stati esportati (pazienti: %1) nel file:
%2</translation>
    </message>
</context>
<context>
    <name>zud::ui::GdtSettingsDialog</name>
    <message>
        <source>GDT-Einstellungen</source>
        <translation>Impostazioni GDT</translation>
    </message>
    <message>
        <source>Verbindung zur Praxissoftware (GDT) aktiv</source>
        <translation>Collegamento al software dello studio (GDT) attivo</translation>
    </message>
    <message>
        <source>Durchsuchen…</source>
        <translation>Sfoglia…</translation>
    </message>
    <message>
        <source>GDT-Austauschordner</source>
        <translation>Cartella di scambio GDT</translation>
    </message>
    <message>
        <source>Austauschordner:</source>
        <translation>Cartella di scambio:</translation>
    </message>
    <message>
        <source>Eigene GDT-ID:</source>
        <translation>ID GDT proprio:</translation>
    </message>
    <message>
        <source>GDT-ID der Praxissoftware:</source>
        <translation>ID GDT del software dello studio:</translation>
    </message>
    <message>
        <source>Version:</source>
        <translation>Versione:</translation>
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
        <translation>Set di caratteri:</translation>
    </message>
    <message>
        <source>Untersuchungscode (8402):</source>
        <translation>Codice esame (8402):</translation>
    </message>
    <message>
        <source>Ergebnisse nach dem Auslesen und nach dem Speichern einer Echtzeitmessung automatisch senden</source>
        <translation>Inviare i risultati automaticamente dopo la lettura degli esercizi e dopo il salvataggio di una misurazione in tempo reale</translation>
    </message>
    <message>
        <source>Berichtsseite als PDF mitsenden</source>
        <translation>Allegare la pagina del rapporto in PDF</translation>
    </message>
    <message>
        <source>Ergebnisdateien nummerieren (.001, .002, …)</source>
        <translation>Numerare i file dei risultati (.001, .002, …)</translation>
    </message>
</context>
<context>
    <name>zud::ui::ImportWindow</name>
    <message>
        <source>Daten importieren</source>
        <translation>Importa dati</translation>
    </message>
    <message>
        <source>Archiv öffnen</source>
        <translation>Apri archivio</translation>
    </message>
    <message>
        <source>Importieren</source>
        <translation>Importa</translation>
    </message>
    <message>
        <source>Zurück</source>
        <translation>Indietro</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importazione</translation>
    </message>
    <message>
        <source>Archive</source>
        <translation>Archivi</translation>
    </message>
    <message>
        <source>Die Daten wurden importiert (Patienten: %1) aus der Datei:
%2</source>
        <translation>I dati sono stati importati (pazienti: %1) dal file:
%2</translation>
    </message>
</context>
<context>
    <name>zud::ui::LiveSessionPanel</name>
    <message>
        <source>Patient</source>
        <translation>Paziente</translation>
    </message>
    <message>
        <source>Programm</source>
        <translation>Programma</translation>
    </message>
    <message>
        <source>Zeit</source>
        <translation>Tempo</translation>
    </message>
    <message>
        <source>Zyklus</source>
        <translation>Ciclo</translation>
    </message>
    <message>
        <source>Im Zielbereich</source>
        <translation>In zona obiettivo</translation>
    </message>
    <message>
        <source>kein Patient gewählt</source>
        <translation>nessun paziente scelto</translation>
    </message>
    <message>
        <source>%1 von %2</source>
        <translation>%1 di %2</translation>
    </message>
    <message>
        <source>Wert</source>
        <translation>Valore</translation>
    </message>
    <message>
        <source>Strom</source>
        <translation>Corrente</translation>
    </message>
    <message>
        <source>Druck</source>
        <translation>Pressione</translation>
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
        <translation>Obiettivo: sopra la soglia</translation>
    </message>
    <message>
        <source>Ziel: unter der Schwelle</source>
        <translation>Obiettivo: sotto la soglia</translation>
    </message>
    <message>
        <source>Dauerbetrieb</source>
        <translation>Continuo</translation>
    </message>
    <message>
        <source>Gesamtdauer: %1</source>
        <translation>Durata totale: %1</translation>
    </message>
</context>
<context>
    <name>zud::ui::LoginDialog</name>
    <message>
        <source>Login</source>
        <translation>Accesso</translation>
    </message>
    <message>
        <source>Benutzer:</source>
        <translation>Utente:</translation>
    </message>
    <message>
        <source>Passwort:</source>
        <translation>Password:</translation>
    </message>
    <message>
        <source>Diesen Login immer benutzen</source>
        <translation>Usa sempre queste credenziali</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>zud::ui::MainWindow</name>
    <message>
        <source>Gebrauchsanweisung</source>
        <translation>Istruzioni per l&apos;uso</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>Software-Update</source>
        <translation>Aggiornamento software</translation>
    </message>
    <message>
        <source>Beenden</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>Programmieren</source>
        <translation>Programmazione</translation>
    </message>
    <message>
        <source>Übungen auslesen</source>
        <translation>Leggi esercizi</translation>
    </message>
    <message>
        <source>Echtzeit Start</source>
        <translation>Avvia tempo reale</translation>
    </message>
    <message>
        <source>Echtzeit Stop</source>
        <translation>Arresta tempo reale</translation>
    </message>
    <message>
        <source>Anwendung wechseln</source>
        <translation>Cambia applicazione</translation>
    </message>
    <message>
        <source>Aktualisieren</source>
        <translation>Aggiorna</translation>
    </message>
    <message>
        <source>Anschluss</source>
        <translation>Connessione</translation>
    </message>
    <message>
        <source>Baudrate</source>
        <translation>Velocità baud</translation>
    </message>
    <message>
        <source>Patienten</source>
        <translation>Pazienti</translation>
    </message>
    <message>
        <source>Patient hinzufügen</source>
        <translation>Aggiungi paziente</translation>
    </message>
    <message>
        <source>Patient löschen</source>
        <translation>Elimina paziente</translation>
    </message>
    <message>
        <source>Statistik</source>
        <translation>Statistiche</translation>
    </message>
    <message>
        <source>Übung laden</source>
        <translation>Carica esercizio</translation>
    </message>
    <message>
        <source>Übung löschen</source>
        <translation>Elimina esercizio</translation>
    </message>
    <message>
        <source>Übung speichern</source>
        <translation>Salva esercizio</translation>
    </message>
    <message>
        <source>Bemerkung hinzufügen/ändern</source>
        <translation>Aggiungi/modifica nota</translation>
    </message>
    <message>
        <source>Druckvorschau</source>
        <translation>Anteprima di stampa</translation>
    </message>
    <message>
        <source>Als PDF exportieren</source>
        <translation>Esporta in PDF</translation>
    </message>
    <message>
        <source>Daten Exportieren</source>
        <translation>Esporta dati</translation>
    </message>
    <message>
        <source>Daten Importieren</source>
        <translation>Importa dati</translation>
    </message>
    <message>
        <source>Datenbank sichern</source>
        <translation>Backup del database</translation>
    </message>
    <message>
        <source>Datenbank wiederherstellen</source>
        <translation>Ripristina database</translation>
    </message>
    <message>
        <source>Rohdaten exportieren</source>
        <translation>Esporta dati grezzi</translation>
    </message>
    <message>
        <source>Rohdaten der angezeigten Datei in eine CSV-Datei exportieren.</source>
        <translation>Esporta i dati grezzi del file visualizzato in un file CSV.</translation>
    </message>
    <message>
        <source>Login</source>
        <translation>Accedi</translation>
    </message>
    <message>
        <source>Logout</source>
        <translation>Disconnetti</translation>
    </message>
    <message>
        <source>Passwort ändern</source>
        <translation>Cambia password</translation>
    </message>
    <message>
        <source>DB-Manager</source>
        <translation>DB-Manager</translation>
    </message>
    <message>
        <source>Patienten/Übungen verbergen</source>
        <translation>Nascondi pazienti/esercizi</translation>
    </message>
    <message>
        <source>Patienten/Übungen anzeigen</source>
        <translation>Mostra pazienti/esercizi</translation>
    </message>
    <message>
        <source>Alle Übungen anordnen</source>
        <translation>Disponi tutti gli esercizi</translation>
    </message>
    <message>
        <source>Liniendiagramm</source>
        <translation>Grafico a linee</translation>
    </message>
    <message>
        <source>Flächendiagramm</source>
        <translation>Grafico ad area</translation>
    </message>
    <message>
        <source>Gitterlinien X-Achse +</source>
        <translation>Griglia asse X +</translation>
    </message>
    <message>
        <source>Gitterlinien X-Achse -</source>
        <translation>Griglia asse X -</translation>
    </message>
    <message>
        <source>Gitterlinien Y-Achse +</source>
        <translation>Griglia asse Y +</translation>
    </message>
    <message>
        <source>Gitterlinien Y-Achse -</source>
        <translation>Griglia asse Y -</translation>
    </message>
    <message>
        <source>Zuschneiden</source>
        <translation>Ritaglia</translation>
    </message>
    <message>
        <source>Übernehmen</source>
        <translation>Applica</translation>
    </message>
    <message>
        <source>Verwerfen</source>
        <translation>Scarta</translation>
    </message>
    <message>
        <source>Sprache</source>
        <translation>Lingua</translation>
    </message>
    <message>
        <source>Allgemein</source>
        <translation>Generale</translation>
    </message>
    <message>
        <source>Kommunikation</source>
        <translation>Comunicazione</translation>
    </message>
    <message>
        <source>Übungen</source>
        <translation>Esercizi</translation>
    </message>
    <message>
        <source>Daten</source>
        <translation>Dati</translation>
    </message>
    <message>
        <source>Ansicht</source>
        <translation>Visualizza</translation>
    </message>
    <message>
        <source>Programm</source>
        <translation>Programma</translation>
    </message>
    <message>
        <source>Gitterlinien</source>
        <translation>Griglia</translation>
    </message>
    <message>
        <source>Druck-Einheit</source>
        <translation>Unità di pressione</translation>
    </message>
    <message>
        <source>Dieser Befehl ist deaktiviert.</source>
        <translation>Questo comando è disattivato.</translation>
    </message>
    <message>
        <source>Persönliche Benutzerkonten setzen einen Datenbankserver voraus. Mit der eingebetteten Datenbank wird jeder Name ohne Passwortprüfung angenommen.</source>
        <translation>Gli account utente personali richiedono un server di database. Con il database integrato, qualsiasi nome viene accettato senza verifica della password.</translation>
    </message>
    <message>
        <source>Passwort ändern fehlgeschlagen (%1)</source>
        <translation>Modifica della password non riuscita (%1)</translation>
    </message>
    <message>
        <source>Es ist kein Update-Server eingerichtet.</source>
        <translation>Nessun server di aggiornamento configurato.</translation>
    </message>
    <message>
        <source>Updateinformationen können nicht geladen werden. Bitte überprüfen Sie die Internetverbindung.</source>
        <translation>Impossibile caricare le informazioni sugli aggiornamenti. Verificare la connessione a Internet.</translation>
    </message>
    <message>
        <source>Eine neue Programmversion (%1) von ZUD-Software ist verfügbar. Möchten Sie diese herunterladen?</source>
        <translation>È disponibile una nuova versione (%1) di ZUD-Software. Si desidera scaricarla?</translation>
    </message>
    <message>
        <source>Die Anwendung ist bereits auf dem neuesten Stand.</source>
        <translation>L&apos;applicazione è già aggiornata.</translation>
    </message>
    <message>
        <source>Zuletzt verwendet</source>
        <translation>Usati di recente</translation>
    </message>
    <message>
        <source>Alle Patienten</source>
        <translation>Tutti i pazienti</translation>
    </message>
    <message>
        <source>auswählen...</source>
        <translation>seleziona...</translation>
    </message>
    <message>
        <source>Alle Übungen</source>
        <translation>Tutti gli esercizi</translation>
    </message>
    <message>
        <source>CSV-Dateien (*.csv)</source>
        <translation>File CSV (*.csv)</translation>
    </message>
    <message>
        <source>Es gibt Echtzeit-Aufnahmen, die noch nicht gespeichert sind (Anzahl: %1). Sie gehen verloren. Trotzdem fortfahren?</source>
        <translation>Ci sono registrazioni in tempo reale non ancora salvate (numero: %1). Andranno perse. Continuare comunque?</translation>
    </message>
    <message>
        <source>Backups (*.bak3)</source>
        <translation>Backup (*.bak3)</translation>
    </message>
    <message>
        <source>Patienten- und Messdaten werden von den gesicherten Daten ersetzt. Möchten Sie fortfahren?</source>
        <translation>I dati dei pazienti e delle misurazioni verranno sostituiti dai dati salvati. Continuare?</translation>
    </message>
    <message>
        <source>Möchten Sie die Daten aus der Vorgängerversion übernehmen?</source>
        <translation>Trasferire i dati dalla versione precedente?</translation>
    </message>
    <message>
        <source>Importieren</source>
        <translation>Importa</translation>
    </message>
    <message>
        <source>Die Echtzeitmessung wurde beendet: das Gerät sendet keine Daten mehr.</source>
        <translation>La misurazione in tempo reale è terminata: il dispositivo non invia più dati.</translation>
    </message>
    <message>
        <source>Das Gerät hat die Echtzeitmessung nicht gestartet.</source>
        <translation>Il dispositivo non ha avviato la misurazione in tempo reale.</translation>
    </message>
    <message>
        <source>Lesen Sie mit „Übungen auslesen“ (Strg+R) die Übungen des Geräts ein, oder wählen Sie unter „Patienten“ einen Patienten und öffnen Sie eine seiner Übungen.</source>
        <translation>Leggete gli esercizi del dispositivo con «Leggi esercizi» (Ctrl+R), oppure scegliete un paziente in «Pazienti» e aprite uno dei suoi esercizi.</translation>
    </message>
    <message>
        <source>Rohdaten gespeichert: %1</source>
        <translation>Dati grezzi salvati: %1</translation>
    </message>
    <message>
        <source>Diese Echtzeit-Aufnahme (%1) ist noch nicht gespeichert und geht verloren. Trotzdem schließen?</source>
        <translation>Questa registrazione in tempo reale (%1) non è ancora salvata e andrà persa. Chiudere comunque?</translation>
    </message>
    <message>
        <source>Übung vom %1 wirklich löschen?</source>
        <translation>Eliminare davvero l’esercizio del %1?</translation>
    </message>
    <message>
        <source>Beim letzten Programmende waren Echtzeit-Aufnahmen nicht gespeichert (Anzahl: %1). Sie wurden aufbewahrt und sind als „*Neu“ geöffnet: Wählen Sie einen Patienten und speichern Sie sie.</source>
        <translation>Alla chiusura precedente del programma alcune registrazioni in tempo reale non erano salvate (numero: %1). Sono state conservate e sono aperte come «*Neu»: scegliete un paziente e salvatele.</translation>
    </message>
    <message>
        <source>Ton</source>
        <translation>Suono</translation>
    </message>
    <message>
        <source>Ton während der Echtzeitmessung: Er erklingt, solange der Messwert in Anspannphasen über und in Entspannphasen unter der Schwelle liegt.</source>
        <translation>Suono durante la misurazione in tempo reale: si sente finché il valore misurato è sopra la soglia nelle fasi di contrazione e sotto la soglia nelle fasi di rilassamento.</translation>
    </message>
    <message>
        <source>Kein Audioausgabegerät gefunden: Der Ton der Echtzeitmessung bleibt stumm.</source>
        <translation>Nessun dispositivo di uscita audio trovato: il suono della misurazione in tempo reale resta muto.</translation>
    </message>
    <message>
        <source>Lautstärke</source>
        <translation>Volume</translation>
    </message>
    <message>
        <source>Lautstärke des Tons: %1 %</source>
        <translation>Volume del suono: %1%</translation>
    </message>
    <message>
        <source>Die Datenbank wurde gesichert in die Datei:
%1</source>
        <translation>Il database è stato salvato nel file:
%1</translation>
    </message>
    <message>
        <source>Übung schließen</source>
        <translation>Chiudi esercizio</translation>
    </message>
    <message>
        <source>Sonstige Einstellungen</source>
        <translation>Altre impostazioni</translation>
    </message>
    <message>
        <source>Übung als PDF speichern</source>
        <translation>Salva esercizio come PDF</translation>
    </message>
    <message>
        <source>An Praxissoftware senden</source>
        <translation>Invia al software dello studio</translation>
    </message>
    <message>
        <source>Als EDF+ exportieren</source>
        <translation>Esporta come EDF+</translation>
    </message>
    <message>
        <source>Alle Übungen als EDF+ exportieren</source>
        <translation>Esporta tutti gli esercizi come EDF+</translation>
    </message>
    <message>
        <source>GDT-Einstellungen</source>
        <translation>Impostazioni GDT</translation>
    </message>
    <message>
        <source>Praxissoftware</source>
        <translation>Software dello studio</translation>
    </message>
    <message>
        <source>Ergebnis an die Praxissoftware gesendet: %1</source>
        <translation>Risultato inviato al software dello studio: %1</translation>
    </message>
    <message>
        <source>Das Ergebnis konnte nicht an die Praxissoftware gesendet werden: %1</source>
        <translation>Non è stato possibile inviare il risultato al software dello studio: %1</translation>
    </message>
    <message>
        <source>EDF+-Dateien (*.edf)</source>
        <translation>File EDF+ (*.edf)</translation>
    </message>
    <message>
        <source>Ordner für die EDF+-Dateien</source>
        <translation>Cartella per i file EDF+</translation>
    </message>
    <message>
        <source>%1 Übung(en) als EDF+ gespeichert: %2</source>
        <translation>%1 esercizio/i salvato/i come EDF+: %2</translation>
    </message>
    <message>
        <source>%1 (nicht gefunden)</source>
        <translation>%1 (non trovata)</translation>
    </message>
    <message>
        <source>Die Datenbank wurde wiederhergestellt aus der Datei:
%1</source>
        <translation>Il database è stato ripristinato dal file:
%1</translation>
    </message>
    <message>
        <source>Die Echtzeit-Aufnahme für %1 speichern?</source>
        <translation>Salvare la registrazione in tempo reale per %1?</translation>
    </message>
    <message numerus="yes">
        <source>Übertragen: %n Dateien</source>
        <translation>
            <numerusform>Trasferito: %n file</numerusform>
            <numerusform>Trasferiti: %n file</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 Ergebnisse an die Praxissoftware gesendet: %2</source>
        <translation>%1 risultati inviati al software dello studio: %2</translation>
    </message>
    <message>
        <source>Von %1 Ergebnissen wurden %2 an die Praxissoftware gesendet, die übrigen nicht: %3</source>
        <translation>Di %1 risultati, %2 sono stati inviati al software dello studio, gli altri no: %3</translation>
    </message>
    <message>
        <source>Erneut verbinden</source>
        <translation>Riconnetti</translation>
    </message>
    <message>
        <source>Die Verbindung zum Datenbankserver neu aufbauen, etwa nachdem der Server neu gestartet wurde.</source>
        <translation>Ristabilire la connessione al server del database, ad esempio dopo un riavvio del server.</translation>
    </message>
    <message>
        <source>Die Verbindung zum Datenbankserver steht wieder.</source>
        <translation>La connessione al server del database è di nuovo attiva.</translation>
    </message>
</context>
<context>
    <name>zud::ui::MoveRecordingDialog</name>
    <message>
        <source>Verschieben</source>
        <translation>Sposta</translation>
    </message>
    <message>
        <source>Verschieben von Messung:</source>
        <translation>Sposta la registrazione:</translation>
    </message>
    <message>
        <source>Von Patient:</source>
        <translation>Dal paziente:</translation>
    </message>
    <message>
        <source>Zu Patient:</source>
        <translation>Al paziente:</translation>
    </message>
    <message>
        <source>Nicht mehr anzeigen</source>
        <translation>Non mostrare più</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>zud::ui::NewPasswordDialog</name>
    <message>
        <source>Passwort ändern</source>
        <translation>Cambia password</translation>
    </message>
    <message>
        <source>Neues Passwort:</source>
        <translation>Nuova password:</translation>
    </message>
    <message>
        <source>Neues Passwort wiederholen:</source>
        <translation>Conferma nuova password:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Annulla</translation>
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
        <translation>Finestra</translation>
    </message>
    <message>
        <source>Drucken</source>
        <translation>Stampa</translation>
    </message>
    <message>
        <source>PDF</source>
        <translation>PDF</translation>
    </message>
    <message>
        <source>Zurück</source>
        <translation>Indietro</translation>
    </message>
</context>
<context>
    <name>zud::ui::PatientDialog</name>
    <message>
        <source>Patient ändern</source>
        <translation>Modifica paziente</translation>
    </message>
    <message>
        <source>Patient hinzufügen</source>
        <translation>Aggiungi paziente</translation>
    </message>
    <message>
        <source>Zurück</source>
        <translation>Indietro</translation>
    </message>
    <message>
        <source>Ändern</source>
        <translation>Modifica</translation>
    </message>
    <message>
        <source>Hinzufügen</source>
        <translation>Aggiungi</translation>
    </message>
    <message>
        <source>Vorname:</source>
        <translation>Nome:</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Cognome:</translation>
    </message>
    <message>
        <source>Geburtsdatum:</source>
        <translation>Data di nascita:</translation>
    </message>
    <message>
        <source>PLZ</source>
        <translation>CAP</translation>
    </message>
    <message>
        <source>Straße:</source>
        <translation>Via:</translation>
    </message>
    <message>
        <source>Wohnort:</source>
        <translation>Città:</translation>
    </message>
    <message>
        <source>Telefon:</source>
        <translation>Telefono:</translation>
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
        <translation>Cassa malattia:</translation>
    </message>
    <message>
        <source>Versicherten-Nr.:</source>
        <translation>N. assicurato:</translation>
    </message>
    <message>
        <source>Patienten-ID:</source>
        <translation>ID paziente:</translation>
    </message>
    <message>
        <source>Gewicht [kg]:</source>
        <translation>Peso [kg]:</translation>
    </message>
    <message>
        <source>Größe [cm]</source>
        <translation>Altezza [cm]</translation>
    </message>
    <message>
        <source>Geschlecht:</source>
        <translation>Sesso:</translation>
    </message>
    <message>
        <source>weiblich</source>
        <translation>femminile</translation>
    </message>
    <message>
        <source>männlich</source>
        <translation>maschile</translation>
    </message>
    <message>
        <source>Patient</source>
        <translation>Paziente</translation>
    </message>
    <message>
        <source>Fehler: Patient bereits vorhanden!</source>
        <translation>Errore: il paziente esiste già!</translation>
    </message>
    <message>
        <source>Fehler: Die fettgedruckten Felder sind Pflichtfelder!</source>
        <translation>Errore: i campi in grassetto sono obbligatori!</translation>
    </message>
    <message>
        <source>Fehler: „%1“ ist kein gültiges Geburtsdatum. Bitte das Datum so eingeben: %2.</source>
        <translation>Errore: «%1» non è una data di nascita valida. Inserire la data così: %2.</translation>
    </message>
    <message>
        <source>Fehler: Das Geburtsdatum fehlt: Das heutige Datum gilt als nicht angegeben. Bitte das Geburtsdatum des Patienten eingeben.</source>
        <translation>Errore: manca la data di nascita: la data di oggi vale come non indicata. Inserire la data di nascita del paziente.</translation>
    </message>
    <message>
        <source>Fehler: Das Geburtsdatum %1 ist nicht möglich: Es muss zwischen dem %2 und heute liegen.</source>
        <translation>Errore: la data di nascita %1 non è possibile: deve essere compresa tra il %2 e oggi.</translation>
    </message>
</context>
<context>
    <name>zud::ui::PatientModel</name>
    <message>
        <source>weiblich</source>
        <translation>femminile</translation>
    </message>
    <message>
        <source>männlich</source>
        <translation>maschile</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Cognome</translation>
    </message>
    <message>
        <source>Vorname</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Geburtstag</source>
        <translation>Data di nascita</translation>
    </message>
    <message>
        <source>PLZ</source>
        <translation>CAP</translation>
    </message>
    <message>
        <source>Wohnort</source>
        <translation>Città</translation>
    </message>
    <message>
        <source>Straße</source>
        <translation>Via</translation>
    </message>
    <message>
        <source>Patientennummer</source>
        <translation>Numero paziente</translation>
    </message>
    <message>
        <source>Krankenkasse</source>
        <translation>Cassa malattia</translation>
    </message>
    <message>
        <source>Versicherungsnummer</source>
        <translation>Numero di assicurazione</translation>
    </message>
    <message>
        <source>Telefon</source>
        <translation>Telefono</translation>
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
        <translation>Altezza</translation>
    </message>
    <message>
        <source>Gewicht</source>
        <translation>Peso</translation>
    </message>
    <message>
        <source>Geschlecht</source>
        <translation>Sesso</translation>
    </message>
</context>
<context>
    <name>zud::ui::PatientSelectionWindow</name>
    <message>
        <source>Patientensuche</source>
        <translation>Ricerca pazienti</translation>
    </message>
    <message>
        <source>Bitte Suchtext eingeben:</source>
        <translation>Inserire il testo da cercare:</translation>
    </message>
    <message>
        <source>Patienten</source>
        <translation>Pazienti</translation>
    </message>
    <message>
        <source>Auswählen</source>
        <translation>Seleziona</translation>
    </message>
    <message>
        <source>Neu</source>
        <translation>Nuovo</translation>
    </message>
    <message>
        <source>Bearbeiten</source>
        <translation>Modifica</translation>
    </message>
    <message>
        <source>Suchen</source>
        <translation>Cerca</translation>
    </message>
    <message>
        <source>Löschen</source>
        <translation>Elimina</translation>
    </message>
    <message>
        <source>Zurück</source>
        <translation>Indietro</translation>
    </message>
    <message>
        <source>Der Patient wurde inzwischen an einem anderen Arbeitsplatz gelöscht.</source>
        <translation>Nel frattempo il paziente è stato eliminato da un&apos;altra postazione.</translation>
    </message>
    <message>
        <source>Patient „%1“ wirklich löschen?</source>
        <translation>Eliminare davvero il paziente «%1»?</translation>
    </message>
    <message>
        <source>Zum Patienten „%1“ sind Übungen gespeichert (Anzahl: %2). Sollen sie ebenfalls gelöscht werden?

Bei „Nein“ bleiben sie in der Datenbank, sind aber keinem Patienten mehr zugeordnet.</source>
        <translation>Per il paziente «%1» sono salvati degli esercizi (numero: %2). Eliminarli anch’essi?

Con «No» restano nel database, ma non sono più assegnati ad alcun paziente.</translation>
    </message>
</context>
<context>
    <name>zud::ui::PrintPreviewWindow</name>
    <message>
        <source>Bemerkungen</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>Druckvorschau</source>
        <translation>Anteprima di stampa</translation>
    </message>
    <message>
        <source>Ausgabe</source>
        <translation>Output</translation>
    </message>
    <message>
        <source>Seite</source>
        <translation>Pagina</translation>
    </message>
    <message>
        <source>Fenster</source>
        <translation>Finestra</translation>
    </message>
    <message>
        <source>Drucken</source>
        <translation>Stampa</translation>
    </message>
    <message>
        <source>PDF</source>
        <translation>PDF</translation>
    </message>
    <message>
        <source>Eine Übung</source>
        <translation>Un esercizio</translation>
    </message>
    <message>
        <source>Zwei Übungen</source>
        <translation>Due esercizi</translation>
    </message>
    <message>
        <source>Zurück</source>
        <translation>Indietro</translation>
    </message>
    <message>
        <source>Übung1</source>
        <translation>Esercizio 1</translation>
    </message>
    <message>
        <source>Übung2</source>
        <translation>Esercizio 2</translation>
    </message>
    <message>
        <source>Druckvorschau als PDF speichern</source>
        <translation>Salva anteprima di stampa come PDF</translation>
    </message>
</context>
<context>
    <name>zud::ui::ProgrammingWindow</name>
    <message>
        <source>Zurück</source>
        <translation>Indietro</translation>
    </message>
    <message>
        <source>Therapeut ändern</source>
        <translation>Modifica terapista</translation>
    </message>
    <message>
        <source>Alle entfernen</source>
        <translation>Rimuovi tutti</translation>
    </message>
    <message>
        <source>Zuweisen</source>
        <translation>Assegna</translation>
    </message>
    <message>
        <source>Entfernen</source>
        <translation>Rimuovi</translation>
    </message>
    <message>
        <source>Speichern</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>Öffnen</source>
        <translation>Apri</translation>
    </message>
    <message>
        <source>Systemparameter</source>
        <translation>Parametri di sistema</translation>
    </message>
    <message>
        <source>Übertragen</source>
        <translation>Trasferisci</translation>
    </message>
    <message>
        <source>Parameter kopieren</source>
        <translation>Copia parametri</translation>
    </message>
    <message>
        <source>Parameter einfügen</source>
        <translation>Incolla parametri</translation>
    </message>
    <message>
        <source>Allgemein</source>
        <translation>Generale</translation>
    </message>
    <message>
        <source>Therapeut</source>
        <translation>Terapista</translation>
    </message>
    <message>
        <source>Patient</source>
        <translation>Paziente</translation>
    </message>
    <message>
        <source>Parameter</source>
        <translation>Parametri</translation>
    </message>
    <message>
        <source>Therapeuten</source>
        <translation>Terapisti</translation>
    </message>
    <message>
        <source>Patienten</source>
        <translation>Pazienti</translation>
    </message>
    <message>
        <source>Alle Übungen des Patienten löschen</source>
        <translation>Elimina tutti gli esercizi del paziente</translation>
    </message>
    <message>
        <source>Programm %1</source>
        <translation>Programma %1</translation>
    </message>
    <message>
        <source>Anzeigename (max. 25 Zeichen):</source>
        <translation>Nome visualizzato (max. 25 caratteri):</translation>
    </message>
    <message>
        <source>Betriebsart:</source>
        <translation>Modalità operativa:</translation>
    </message>
    <message>
        <source>Aktiviert</source>
        <translation>Attivato</translation>
    </message>
    <message>
        <source>Mittelfrequenz:</source>
        <translation>Media frequenza:</translation>
    </message>
    <message>
        <source>Anspannzeit[s]:</source>
        <translation>Tempo di contrazione[s]:</translation>
    </message>
    <message>
        <source>Entspannzeit[s]:</source>
        <translation>Tempo di rilassamento[s]:</translation>
    </message>
    <message>
        <source>Stromzeit[s]:</source>
        <translation>Tempo di corrente[s]:</translation>
    </message>
    <message>
        <source>Pausenzeit[s]:</source>
        <translation>Tempo di pausa[s]:</translation>
    </message>
    <message>
        <source>Übungsdauer[1-60min,Dauer]:</source>
        <translation>Durata esercizio[1-60min,Continuo]:</translation>
    </message>
    <message>
        <source>Frequenz1[Hz]:</source>
        <translation>Frequenza1[Hz]:</translation>
    </message>
    <message>
        <source>Frequenz2[Hz]:</source>
        <translation>Frequenza2[Hz]:</translation>
    </message>
    <message>
        <source>Impulsbreite1 [40-500µs]:</source>
        <translation>Larghezza impulso1 [40-500µs]:</translation>
    </message>
    <message>
        <source>Impulsbreite2 [40-500µs]:</source>
        <translation>Larghezza impulso2 [40-500µs]:</translation>
    </message>
    <message>
        <source>Anschwellzeit [s]:</source>
        <translation>Tempo di salita [s]:</translation>
    </message>
    <message>
        <source>Abschwellzeit [s]:</source>
        <translation>Tempo di discesa [s]:</translation>
    </message>
    <message>
        <source>Zeiten</source>
        <translation>Tempi</translation>
    </message>
    <message>
        <source>Stimulations-Parameter</source>
        <translation>Parametri di stimolazione</translation>
    </message>
    <message>
        <source>Elektrodenposition</source>
        <translation>Posizione elettrodi</translation>
    </message>
    <message>
        <source>Programmfolge</source>
        <translation>Sequenza programmi</translation>
    </message>
    <message>
        <source>Programmierung</source>
        <translation>Programmazione</translation>
    </message>
    <message>
        <source>Therapeut %1</source>
        <translation>Terapista %1</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Cognome:</translation>
    </message>
    <message>
        <source>Vorname:</source>
        <translation>Nome:</translation>
    </message>
    <message>
        <source>Patient %1</source>
        <translation>Paziente %1</translation>
    </message>
    <message>
        <source>Keine Patientendaten</source>
        <translation>Nessun dato paziente</translation>
    </message>
    <message>
        <source>Geburtsdatum:</source>
        <translation>Data di nascita:</translation>
    </message>
    <message>
        <source>Position %1</source>
        <translation>Posizione %1</translation>
    </message>
    <message>
        <source>Parameter-Dateien (*.zud)</source>
        <translation>File di parametri (*.zud)</translation>
    </message>
    <message>
        <source>Die Datei ist keine vollständige Parameter-Datei: %1 von 36 Programmsätzen wurden übernommen, die Systemparameter nicht.</source>
        <translation>Il file non è un file di parametri completo: sono stati acquisiti %1 dei 36 set di programmi, i parametri di sistema no.</translation>
    </message>
    <message>
        <source>Alle Übungen des Patienten werden gelöscht!
Sind Sie sicher?</source>
        <translation>Tutti gli esercizi del paziente verranno eliminati!
Siete sicuri?</translation>
    </message>
    <message>
        <source>Änderungen verwerfen?</source>
        <translation>Scartare le modifiche?</translation>
    </message>
</context>
<context>
    <name>zud::ui::ProgressChartWindow</name>
    <message>
        <source>Verlauf</source>
        <translation>Andamento</translation>
    </message>
    <message>
        <source>Verlauf als PDF speichern</source>
        <translation>Salva andamento come PDF</translation>
    </message>
</context>
<context>
    <name>zud::ui::ReadoutWindow</name>
    <message>
        <source>Zurück</source>
        <translation>Indietro</translation>
    </message>
    <message>
        <source>Auslesen</source>
        <translation>Leggi</translation>
    </message>
    <message>
        <source>Alle auswählen</source>
        <translation>Seleziona tutto</translation>
    </message>
    <message>
        <source>Keine auswählen</source>
        <translation>Deseleziona tutto</translation>
    </message>
    <message>
        <source>Übungen nach dem Auslesen löschen</source>
        <translation>Elimina gli esercizi dopo la lettura</translation>
    </message>
    <message>
        <source>Zuweisen</source>
        <translation>Assegna</translation>
    </message>
    <message>
        <source>Importieren</source>
        <translation>Importa</translation>
    </message>
    <message>
        <source>Allgemein</source>
        <translation>Generale</translation>
    </message>
    <message>
        <source>Übungen</source>
        <translation>Esercizi</translation>
    </message>
    <message>
        <source>Patient</source>
        <translation>Paziente</translation>
    </message>
    <message>
        <source>Therapeuten</source>
        <translation>Terapisti</translation>
    </message>
    <message>
        <source>Patienten</source>
        <translation>Pazienti</translation>
    </message>
    <message>
        <source>Übungsdaten auslesen</source>
        <translation>Leggi i dati degli esercizi</translation>
    </message>
    <message>
        <source>Therapeut %1</source>
        <translation>Terapista %1</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Cognome:</translation>
    </message>
    <message>
        <source>Vorname:</source>
        <translation>Nome:</translation>
    </message>
    <message>
        <source>Keine Patientendaten</source>
        <translation>Nessun dato del paziente</translation>
    </message>
    <message>
        <source>Patient %1 (%2)</source>
        <translation>Paziente %1 (%2)</translation>
    </message>
    <message>
        <source>nicht zugewiesen</source>
        <translation>non assegnato</translation>
    </message>
    <message>
        <source>geb. am:</source>
        <translation>Nato/a il:</translation>
    </message>
    <message>
        <source>Patient %1</source>
        <translation>Paziente %1</translation>
    </message>
    <message>
        <source>unvollständig</source>
        <translation>incompleto</translation>
    </message>
    <message>
        <source>Ohne angemeldete Datenbank kann kein Patient angelegt werden.</source>
        <translation>Senza accesso al database non è possibile creare un paziente.</translation>
    </message>
    <message>
        <source>Name, Vorname und Geburtsdatum dieses Gerätepatienten sind vollständig: beim Auslesen wird er in der Datenbank gefunden oder neu angelegt. Mit „Zuweisen“ ordnen Sie ihn einem anderen Patienten zu.</source>
        <translation>Cognome, nome e data di nascita di questo paziente del dispositivo sono completi: la lettura lo trova nel database o lo crea. Con «Assegna» lo si collega a un altro paziente.</translation>
    </message>
    <message>
        <source>Dieser Gerätepatient hat keine Daten, die übernommen werden könnten. Wählen Sie mit „Zuweisen“ einen Patienten der Datenbank.</source>
        <translation>Questo paziente del dispositivo non ha dati da acquisire. Scegliere un paziente del database con «Assegna».</translation>
    </message>
    <message>
        <source>Ohne angemeldete Datenbank kann kein Patient zugewiesen werden.</source>
        <translation>Senza accesso al database non è possibile assegnare un paziente.</translation>
    </message>
    <message>
        <source>An Praxissoftware senden</source>
        <translation>Invia al software dello studio</translation>
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
        <translation>Ora</translation>
    </message>
    <message>
        <source>Betriebsart</source>
        <translation>Modalità</translation>
    </message>
    <message>
        <source>#</source>
        <translation>#</translation>
    </message>
    <message>
        <source>Programmname</source>
        <translation>Nome del programma</translation>
    </message>
</context>
<context>
    <name>zud::ui::RecordingSelectionWindow</name>
    <message>
        <source>Übung wählen</source>
        <translation>Scegli esercizio</translation>
    </message>
    <message>
        <source>Auswählen</source>
        <translation>Seleziona</translation>
    </message>
    <message>
        <source>Löschen</source>
        <translation>Elimina</translation>
    </message>
    <message>
        <source>Zurück</source>
        <translation>Indietro</translation>
    </message>
    <message>
        <source>Übungen</source>
        <translation>Esercizi</translation>
    </message>
    <message>
        <source>Übung vom %1 %2 wirklich löschen?</source>
        <translation>Eliminare davvero l’esercizio del %1 %2?</translation>
    </message>
</context>
<context>
    <name>zud::ui::RemarksDialog</name>
    <message>
        <source>Bemerkungen hinzufügen/ändern</source>
        <translation>Aggiungi/modifica note</translation>
    </message>
    <message>
        <source>Hinzufügen/Ändern</source>
        <translation>Aggiungi/Modifica</translation>
    </message>
    <message>
        <source>Zurück</source>
        <translation>Indietro</translation>
    </message>
    <message>
        <source>Bemerkungen</source>
        <translation>Note</translation>
    </message>
</context>
<context>
    <name>zud::ui::RibbonDialog</name>
    <message>
        <source>Allgemein</source>
        <translation>Generale</translation>
    </message>
</context>
<context>
    <name>zud::ui::SplashScreen</name>
    <message>
        <source>Begleitprogramm zum Therapiegerät ZUD12</source>
        <translation>Software di supporto per il dispositivo terapeutico ZUD12</translation>
    </message>
</context>
<context>
    <name>zud::ui::StatisticsWindow</name>
    <message>
        <source>Statistik</source>
        <translation>Statistica</translation>
    </message>
    <message>
        <source>Ausgabe</source>
        <translation>Output</translation>
    </message>
    <message>
        <source>Fenster</source>
        <translation>Finestra</translation>
    </message>
    <message>
        <source>Drucken</source>
        <translation>Stampa</translation>
    </message>
    <message>
        <source>PDF</source>
        <translation>PDF</translation>
    </message>
    <message>
        <source>Gesamte Statistik drucken</source>
        <translation>Stampa statistica completa</translation>
    </message>
    <message>
        <source>Zusammenfassung drucken</source>
        <translation>Stampa riepilogo</translation>
    </message>
    <message>
        <source>Gesamte Statistik als PDF</source>
        <translation>Statistica completa in PDF</translation>
    </message>
    <message>
        <source>Zusammenfassung als PDF</source>
        <translation>Riepilogo in PDF</translation>
    </message>
    <message>
        <source>Verlauf</source>
        <translation>Andamento</translation>
    </message>
    <message>
        <source>Zusammenfassung</source>
        <translation>Riepilogo</translation>
    </message>
    <message>
        <source>Zurück</source>
        <translation>Indietro</translation>
    </message>
    <message>
        <source>Statistik als PDF speichern</source>
        <translation>Salva statistiche come PDF</translation>
    </message>
    <message>
        <source>Therapie-Zusammenfassung als PDF speichern</source>
        <translation>Salva riepilogo della terapia come PDF</translation>
    </message>
</context>
<context>
    <name>zud::ui::SummaryWindow</name>
    <message>
        <source>Therapie-Zusammenfassung</source>
        <translation>Riepilogo della terapia</translation>
    </message>
    <message>
        <source>Therapie-Zusammenfassung als PDF speichern</source>
        <translation>Salva riepilogo della terapia come PDF</translation>
    </message>
</context>
<context>
    <name>zud::ui::SystemParametersDialog</name>
    <message>
        <source>Systemparameter</source>
        <translation>Parametri di sistema</translation>
    </message>
    <message>
        <source>Zurück</source>
        <translation>Indietro</translation>
    </message>
    <message>
        <source>Übernehmen</source>
        <translation>Applica</translation>
    </message>
    <message>
        <source>Allgemein</source>
        <translation>Generale</translation>
    </message>
    <message>
        <source>Parameter</source>
        <translation>Parametri</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Sistema</translation>
    </message>
    <message>
        <source>EMG</source>
        <translation>EMG</translation>
    </message>
    <message>
        <source>Triggerung</source>
        <translation>Trigger</translation>
    </message>
    <message>
        <source>Admin</source>
        <translation>Admin</translation>
    </message>
    <message>
        <source>Helligkeit:</source>
        <translation>Luminosità:</translation>
    </message>
    <message>
        <source>Codeabfrage:</source>
        <translation>Richiesta codice:</translation>
    </message>
    <message>
        <source>Patientenauswahl:</source>
        <translation>Selezione paziente:</translation>
    </message>
    <message>
        <source>Tastentöne:</source>
        <translation>Toni dei tasti:</translation>
    </message>
    <message>
        <source>Anzeige verriegeln:</source>
        <translation>Blocca display:</translation>
    </message>
    <message>
        <source>Sprachausgabe:</source>
        <translation>Uscita vocale:</translation>
    </message>
    <message>
        <source>CCIP-Test:</source>
        <translation>Test CCIP:</translation>
    </message>
    <message>
        <source>EMG-Einstellung:</source>
        <translation>Impostazione EMG:</translation>
    </message>
    <message>
        <source>EMG-Begrenzung:</source>
        <translation>Limite EMG:</translation>
    </message>
    <message>
        <source>EMG-Vertonung:</source>
        <translation>Suono EMG:</translation>
    </message>
    <message>
        <source>EMG-Wert numerisch anzeigen:</source>
        <translation>Mostra valore EMG numerico:</translation>
    </message>
    <message>
        <source>EMG-Anzeige nach Strom:</source>
        <translation>Visualizzazione EMG dopo corrente:</translation>
    </message>
    <message>
        <source>Triggerzeitlimit [s]:</source>
        <translation>Limite di tempo trigger [s]:</translation>
    </message>
    <message>
        <source>Updaterate [s]:</source>
        <translation>Frequenza di aggiornamento [s]:</translation>
    </message>
    <message>
        <source>Triggerbegrenzung:</source>
        <translation>Limitazione trigger:</translation>
    </message>
    <message>
        <source>Triggerautomatik:</source>
        <translation>Trigger automatico:</translation>
    </message>
    <message>
        <source>Einheit Druck:</source>
        <translation>Unità pressione:</translation>
    </message>
    <message>
        <source>Code am Gerät (4-stellig,1..9):</source>
        <translation>Codice del dispositivo (4 cifre, 1..9):</translation>
    </message>
    <message>
        <source>Bluetooth</source>
        <translation>Bluetooth</translation>
    </message>
    <message>
        <source>Als Werkseinstellungen speichern:</source>
        <translation>Salva come impostazioni di fabbrica:</translation>
    </message>
    <message>
        <source>Werkseinstellungen:</source>
        <translation>Impostazioni di fabbrica:</translation>
    </message>
    <message>
        <source>Es werden die Programmparameter von Therapeut 1 / Patient 1 als Standard-Programme für die Werkseinstellungen gespeichert.</source>
        <translation>I parametri di programma del terapista 1 / paziente 1 vengono salvati come programmi standard delle impostazioni di fabbrica.</translation>
    </message>
    <message>
        <source>Beim Programmieren wird das System auf Werkseinstellungen zurückgesetzt. Alle Programme werden überschrieben, die Parameter zurückgesetzt und alle Übungen gelöscht.</source>
        <translation>Durante la programmazione il sistema viene riportato alle impostazioni di fabbrica. Tutti i programmi vengono sovrascritti, i parametri ripristinati e tutti gli esercizi eliminati.</translation>
    </message>
    <message>
        <source>Manuell</source>
        <translation>Manuale</translation>
    </message>
    <message>
        <source>Halbautomatisch</source>
        <translation>Semiautomatico</translation>
    </message>
    <message>
        <source>Automatisch</source>
        <translation>Automatico</translation>
    </message>
    <message>
        <source>Änderungen verwerfen?</source>
        <translation>Scartare le modifiche?</translation>
    </message>
</context>
<context>
    <name>zud::ui::TherapistChangeDialog</name>
    <message>
        <source>Therapeut ändern</source>
        <translation>Modifica terapeuta</translation>
    </message>
    <message>
        <source>Zurück</source>
        <translation>Indietro</translation>
    </message>
    <message>
        <source>Vorname:</source>
        <translation>Nome:</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Cognome:</translation>
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
        <translation>Gestione utenti</translation>
    </message>
    <message>
        <source>Aktion</source>
        <translation>Azione</translation>
    </message>
    <message>
        <source>hinzufügen</source>
        <translation>aggiungi</translation>
    </message>
    <message>
        <source>ändern</source>
        <translation>modifica</translation>
    </message>
    <message>
        <source>löschen</source>
        <translation>elimina</translation>
    </message>
    <message>
        <source>Benutzername:</source>
        <translation>Nome utente:</translation>
    </message>
    <message>
        <source>Passwort:</source>
        <translation>Password:</translation>
    </message>
    <message>
        <source>Benutzer:</source>
        <translation>Utente:</translation>
    </message>
    <message>
        <source>Benutzer hinzufügen</source>
        <translation>Aggiungi utente</translation>
    </message>
    <message>
        <source>Passwort ändern</source>
        <translation>Cambia password</translation>
    </message>
    <message>
        <source>Benutzer löschen</source>
        <translation>Elimina utente</translation>
    </message>
    <message>
        <source>Datenbank-Login fehlgeschlagen</source>
        <translation>Accesso al database non riuscito</translation>
    </message>
    <message>
        <source>Aktion fehlgeschlagen (%1)</source>
        <translation>Azione non riuscita (%1)</translation>
    </message>
    <message>
        <source>Datenbank prüfen</source>
        <translation>Verifica database</translation>
    </message>
    <message>
        <source>Prüft die Datenbankdatei, jede Übung mit ihrem Patienten und Gerät, die Schlüssel und die Generatoren. Ändert nichts; andere Arbeitsplätze können weiterarbeiten.</source>
        <translation>Verifica il file del database, ogni esercizio con il suo paziente e dispositivo, le chiavi e i generatori. Non modifica nulla; le altre postazioni possono continuare a lavorare.</translation>
    </message>
    <message>
        <source>Die Datenbank wird geprüft …</source>
        <translation>Verifica del database in corso …</translation>
    </message>
    <message>
        <source>Die Datenbank konnte nicht geprüft werden.</source>
        <translation>Non è stato possibile verificare il database.</translation>
    </message>
</context>
<context>
    <name>zud::ui::ZahlFeld</name>
    <message>
        <source>Der Wert im Feld „%1“ ist ungültig. Bitte eine ganze Zahl von %2 bis %3 eingeben.</source>
        <translation>Il valore nel campo «%1» non è valido. Inserire un numero intero da %2 a %3.</translation>
    </message>
</context>
<context>
    <name>zud::ui::ZehntelFeld</name>
    <message>
        <source>Der Wert im Feld „%1“ ist ungültig. Bitte eine Zahl von %2 bis %3 eingeben.</source>
        <translation>Il valore nel campo «%1» non è valido. Inserire un numero da %2 a %3.</translation>
    </message>
</context>
</TS>
