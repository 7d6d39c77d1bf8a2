<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR" sourcelanguage="de">
<context>
    <name>Anwendung</name>
    <message>
        <source>Anwendung %1</source>
        <translation>Application %1</translation>
    </message>
    <message>
        <source>unbekanntes Modell</source>
        <translation>modèle inconnu</translation>
    </message>
    <message>
        <source>Keine gültige Anwendung: %1</source>
        <translation>Application non valide : %1</translation>
    </message>
    <message>
        <source>Lösche Übungen...</source>
        <translation>Suppression des exercices...</translation>
    </message>
    <message>
        <source>Werkszustand...</source>
        <translation>État d&apos;usine...</translation>
    </message>
</context>
<context>
    <name>Aufzeichnung</name>
    <message>
        <source>Keine Aufzeichnung: %1 Bytes, eine Aufzeichnung hat mindestens %2 (Programmkopf und Statistikblock).</source>
        <translation>Ce n&apos;est pas un enregistrement&#xa0;: %1 octets, un enregistrement comporte au moins %2 (en-tête de programme et bloc de statistiques).</translation>
    </message>
    <message>
        <source>Keine Aufzeichnung: die Betriebsart %1 hat kein Messwertformat.</source>
        <translation>Ce n&apos;est pas un enregistrement&#xa0;: le mode de fonctionnement %1 n&apos;a pas de format de valeurs mesurées.</translation>
    </message>
    <message>
        <source>Die Übung enthält keine Daten.</source>
        <translation>L&apos;exercice ne contient aucune donnée.</translation>
    </message>
    <message>
        <source>Die Aufzeichnung der älteren Form ist mit %1 Bytes kürzer als ihr Kopf (%2 Bytes): sie ist abgeschnitten.</source>
        <translation>L&apos;enregistrement de l&apos;ancienne forme a %1 octets, moins que son en-tête (%2 octets) : il est tronqué.</translation>
    </message>
    <message>
        <source>Die Betriebsart der Zeile (BETRIEBSART %1) ist nicht die des Programmkopfs (%2).</source>
        <translation>Le mode de la ligne (BETRIEBSART %1) n&apos;est pas celui de l&apos;en-tête du programme (%2).</translation>
    </message>
    <message>
        <source>Die Messwerte enden mitten in einem Messwert (%1 Bytes sind kein Vielfaches von %2): die Aufzeichnung ist abgeschnitten oder unvollständig.</source>
        <translation>Les mesures s&apos;arrêtent au milieu d&apos;une mesure (%1 octets ne sont pas un multiple de %2) : l&apos;enregistrement est tronqué ou incomplet.</translation>
    </message>
    <message>
        <source>Der Statistikblock am Ende nennt %1 Messwerte, die Aufzeichnung enthält %2: sie ist abgeschnitten oder beschädigt.</source>
        <translation>Le bloc de statistiques final indique %1 mesures, l&apos;enregistrement en contient %2 : il est tronqué ou endommagé.</translation>
    </message>
</context>
<context>
    <name>Auslesen</name>
    <message>
        <source>Lade Patientendaten ...</source>
        <translation>Chargement des données patient ...</translation>
    </message>
    <message>
        <source>Lade Kopfdaten ...</source>
        <translation>Chargement des en-têtes ...</translation>
    </message>
    <message>
        <source>Lade Kopfdaten (Therapeut %1, Patient %2) ...</source>
        <translation>Chargement des en-têtes (thérapeute %1, patient %2) ...</translation>
    </message>
    <message>
        <source>Es sind keine Übungen gespeichert</source>
        <translation>Aucun exercice n&apos;est enregistré</translation>
    </message>
    <message>
        <source>Lösche Übungen (Therapeut %1, Patient %2)</source>
        <translation>Suppression des exercices (thérapeute %1, patient %2)</translation>
    </message>
    <message>
        <source>Übertrage Übungen %1 von %2 ...</source>
        <translation>Transfert de l&apos;exercice %1 sur %2 ...</translation>
    </message>
    <message>
        <source>kein Patient zugewiesen</source>
        <translation>aucun patient attribué</translation>
    </message>
    <message>
        <source>Datum oder Uhrzeit am Gerät ungültig</source>
        <translation>Date ou heure de l&apos;appareil invalide</translation>
    </message>
    <message>
        <source>in der Datenbank nicht gleich gespeichert</source>
        <translation>pas enregistré à l&apos;identique dans la base de données</translation>
    </message>
    <message>
        <source>Übertragung abgebrochen.</source>
        <translation>Transfert interrompu.</translation>
    </message>
    <message>
        <source>Lösche...</source>
        <translation>Suppression...</translation>
    </message>
    <message>
        <source>Unerwarteter Fehler: %1</source>
        <translation>Erreur inattendue : %1</translation>
    </message>
    <message>
        <source>Unerwarteter Fehler.</source>
        <translation>Erreur inattendue.</translation>
    </message>
    <message>
        <source>gespeichert: %1</source>
        <translation>enregistrés : %1</translation>
    </message>
    <message>
        <source>bereits gespeichert, übersprungen: %1</source>
        <translation>déjà enregistrés, ignorés : %1</translation>
    </message>
    <message>
        <source>bereits bei %1 gespeichert, übersprungen: %2</source>
        <translation>déjà enregistrés chez %1, ignorés : %2</translation>
    </message>
    <message>
        <source>nicht übernommen: %1</source>
        <translation>non repris : %1</translation>
    </message>
    <message>
        <source>am Gerät gelöscht: %1</source>
        <translation>supprimés sur l’appareil : %1</translation>
    </message>
    <message>
        <source>am Gerät behalten, da abweichend gespeichert: %1</source>
        <translation>conservés sur l’appareil, enregistrés différemment : %1</translation>
    </message>
    <message>
        <source>Therapeut %1, Patient %2</source>
        <translation>Thérapeute %1, patient %2</translation>
    </message>
    <message>
        <source>als neuer Patient angelegt</source>
        <translation>créé comme nouveau patient</translation>
    </message>
    <message>
        <source>Geburtsdatum am Gerät ungültig (%1): ohne Geburtsdatum gespeichert</source>
        <translation>Date de naissance invalide sur l’appareil (%1) : enregistré sans date de naissance</translation>
    </message>
    <message>
        <source>Es wurde keine Übung übertragen.</source>
        <translation>Aucun exercice n’a été transféré.</translation>
    </message>
    <message>
        <source>Nicht übernommen:</source>
        <translation>Non repris&#xa0;:</translation>
    </message>
    <message>
        <source>Therapeut %1, Patient %2, %3: %4</source>
        <translation>Thérapeute %1, patient %2, %3&#xa0;: %4</translation>
    </message>
</context>
<context>
    <name>Austausch</name>
    <message>
        <source>Der Vorgang wurde abgebrochen.</source>
        <translation>L&apos;opération a été annulée.</translation>
    </message>
    <message>
        <source>Die Archivdatei kann nicht gelesen werden: %1</source>
        <translation>Impossible de lire le fichier d&apos;archive : %1</translation>
    </message>
    <message>
        <source>Die Datei ist kein gültiges Archiv: %1</source>
        <translation>Le fichier n&apos;est pas une archive valide : %1</translation>
    </message>
    <message>
        <source>Die zu packende Datei fehlt: %1</source>
        <translation>Le fichier à compresser est introuvable : %1</translation>
    </message>
    <message>
        <source>Die Datei ist für ein Archiv zu groß: %1</source>
        <translation>Le fichier est trop volumineux pour une archive : %1</translation>
    </message>
    <message>
        <source>Das Archiv kann nicht geschrieben werden: %1</source>
        <translation>Impossible d&apos;écrire l&apos;archive : %1</translation>
    </message>
    <message>
        <source>Das Archiv kann nicht angelegt werden: %1</source>
        <translation>Impossible de créer l&apos;archive : %1</translation>
    </message>
    <message>
        <source>Das Archiv enthält die Datei „%1“ nicht: %2</source>
        <translation>L&apos;archive ne contient pas le fichier « %1 » : %2</translation>
    </message>
    <message>
        <source>Das Archiv ist beschädigt oder unvollständig: %1</source>
        <translation>L&apos;archive est endommagée ou incomplète : %1</translation>
    </message>
    <message>
        <source>%1 von %2 Bytes entpackt</source>
        <translation>%1 octets sur %2 décompressés</translation>
    </message>
    <message>
        <source>Das Sicherungsprogramm der Datenbank wurde nicht gefunden: %1</source>
        <translation>L&apos;outil de sauvegarde de la base de données est introuvable : %1</translation>
    </message>
    <message>
        <source>Im Arbeitsordner kann keine Datei angelegt werden: %1</source>
        <translation>Impossible de créer un fichier dans le dossier de travail : %1</translation>
    </message>
    <message>
        <source>gbak endete mit dem Status %1</source>
        <translation>gbak s&apos;est terminé avec le code %1</translation>
    </message>
    <message>
        <source>gbak wurde abgebrochen</source>
        <translation>gbak a été interrompu</translation>
    </message>
    <message>
        <source>Die Datensicherung der Datenbank ist fehlgeschlagen.</source>
        <translation>La sauvegarde de la base de données a échoué.</translation>
    </message>
    <message>
        <source>Die Sicherungsdatei fehlt oder ist leer.</source>
        <translation>Le fichier de sauvegarde est absent ou vide.</translation>
    </message>
    <message>
        <source>Die Wiederherstellung der Datenbank ist fehlgeschlagen.</source>
        <translation>La restauration de la base de données a échoué.</translation>
    </message>
    <message>
        <source>Die Zieldatenbank enthält die Tabellen dieses Programms nicht.</source>
        <translation>La base de données cible ne contient pas les tables de ce programme.</translation>
    </message>
    <message>
        <source>Der Patient %1 ist im Archiv nicht enthalten.</source>
        <translation>Le patient %1 ne figure pas dans l&apos;archive.</translation>
    </message>
    <message>
        <source>Der Patient „%1“ konnte nicht übernommen werden; die %2 Patienten davor wurden übernommen.
%3</source>
        <translation>Le patient « %1 » n&apos;a pas pu être repris ; les %2 patients précédents ont été repris.
%3</translation>
    </message>
    <message>
        <source>Es ist kein Patient ausgewählt.</source>
        <translation>Aucun patient n&apos;est sélectionné.</translation>
    </message>
    <message>
        <source>Exportieren</source>
        <translation>Exporter</translation>
    </message>
    <message>
        <source>Den Patienten %1 gibt es in der Datenbank nicht (mehr).</source>
        <translation>Le patient %1 n&apos;existe pas (plus) dans la base de données.</translation>
    </message>
    <message>
        <source>Datenbank Packen</source>
        <translation>Compression de la base de données</translation>
    </message>
    <message>
        <source>Die Datei gibt es nicht: %1</source>
        <translation>Le fichier n&apos;existe pas : %1</translation>
    </message>
    <message>
        <source>Die Datei ist kein Archiv von ZUD-Software: %1</source>
        <translation>Le fichier n&apos;est pas une archive de ZUD-Software : %1</translation>
    </message>
    <message>
        <source>Datenbank Entpacken</source>
        <translation>Décompression de la base de données</translation>
    </message>
    <message>
        <source>Das Archiv enthält keine Patientendaten von ZUD-Software: %1
%2</source>
        <translation>L&apos;archive ne contient pas de données patients de ZUD-Software : %1
%2</translation>
    </message>
    <message>
        <source>Importieren</source>
        <translation>Importer</translation>
    </message>
    <message>
        <source>Datenbank sichern</source>
        <translation>Sauvegarder la base de données</translation>
    </message>
    <message>
        <source>Die Datenbank kann nur auf dem Rechner des Datenbankservers wiederhergestellt werden.</source>
        <translation>La base de données ne peut être restaurée que sur l&apos;ordinateur du serveur de base de données.</translation>
    </message>
    <message>
        <source>Die Datei ist keine Datensicherung von ZUD-Software: %1</source>
        <translation>Le fichier n&apos;est pas une sauvegarde de ZUD-Software : %1</translation>
    </message>
    <message>
        <source>Datenbank wiederherstellen</source>
        <translation>Restaurer la base de données</translation>
    </message>
    <message>
        <source>Die Datei enthält keine Datensicherung der Datenbank von ZUD-Software: %1</source>
        <translation>Le fichier ne contient pas de sauvegarde de la base de données de ZUD-Software : %1</translation>
    </message>
    <message>
        <source>Die Datenbank ist noch %1-mal geöffnet (an anderen Arbeitsplätzen oder in diesem Programm). Beenden Sie dort ZUD-Software und versuchen Sie es erneut.</source>
        <translation>La base de données est encore ouverte %1 fois (sur d’autres postes ou dans ce programme). Fermez-y ZUD-Software et réessayez.</translation>
    </message>
    <message>
        <source>Die Daten der Vorgängerversion werden nur in eine Datenbank ohne Patienten übernommen.</source>
        <translation>Les données de la version précédente ne sont reprises que dans une base de données sans patients.</translation>
    </message>
    <message>
        <source>Konvertiere alte Datei-Struktur</source>
        <translation>Conversion de l&apos;ancienne structure de fichiers</translation>
    </message>
    <message>
        <source>Erzeuge neue Datei-Struktur</source>
        <translation>Création de la nouvelle structure de fichiers</translation>
    </message>
    <message>
        <source>Importieren...</source>
        <translation>Importation...</translation>
    </message>
    <message>
        <source>Es ist kein Archiv geöffnet.</source>
        <translation>Aucune archive n&apos;est ouverte.</translation>
    </message>
    <message>
        <source>Die Datenbank ist noch geöffnet (an anderen Arbeitsplätzen oder in diesem Programm). Beenden Sie dort ZUD-Software und versuchen Sie es erneut.</source>
        <translation>La base de données est encore ouverte (sur d’autres postes de travail ou dans ce programme). Fermez ZUD-Software sur ces postes et réessayez.</translation>
    </message>
    <message>
        <source>Die Datenbank konnte nicht durch die wiederhergestellte ersetzt werden: %1 (%2). Die Datenbank ist unverändert. Stellen Sie die Sicherung als Benutzer wieder her, der in diesem Ordner Dateien ändern darf (zum Beispiel mit zudctl restore).</source>
        <translation>La base de données n’a pas pu être remplacée par celle restaurée : %1 (%2). La base de données est inchangée. Restaurez la sauvegarde en tant qu’utilisateur autorisé à modifier les fichiers de ce dossier (par exemple avec zudctl restore).</translation>
    </message>
    <message>
        <source>Der Arbeitsordner kann nicht angelegt werden: %1</source>
        <translation>Impossible de créer le dossier de travail : %1</translation>
    </message>
    <message>
        <source>Kein Platz auf %1. Schaffen Sie dort Platz und versuchen Sie es erneut.</source>
        <translation>Plus d’espace libre sur %1. Libérez de l’espace à cet endroit et réessayez.</translation>
    </message>
    <message>
        <source>Im Arbeitsordner kann nicht geschrieben werden: %1</source>
        <translation>Impossible d’écrire dans le dossier de travail : %1</translation>
    </message>
    <message>
        <source>Im Arbeitsordner kann kein Ordner angelegt werden: %1 (%2)</source>
        <translation>Impossible de créer un dossier dans le dossier de travail : %1 (%2)</translation>
    </message>
</context>
<context>
    <name>Berichte</name>
    <message>
        <source>Entspannen</source>
        <translation>Relâchement</translation>
    </message>
    <message>
        <source>Anspannen</source>
        <translation>Contraction</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Strom</source>
        <translation>Courant</translation>
    </message>
    <message>
        <source>Druck</source>
        <translation>Pression</translation>
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
        <translation>Relâchement CH1</translation>
    </message>
    <message>
        <source>Anspannen CH1</source>
        <translation>Contraction CH1</translation>
    </message>
    <message>
        <source>Entspannen CH2</source>
        <translation>Relâchement CH2</translation>
    </message>
    <message>
        <source>Anspannen CH2</source>
        <translation>Contraction CH2</translation>
    </message>
    <message>
        <source>Haltedauer</source>
        <translation>Durée de maintien</translation>
    </message>
    <message>
        <source>Basisdruck</source>
        <translation>Pression de base</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Vorname</source>
        <translation>Prénom</translation>
    </message>
    <message>
        <source>Geburtstag</source>
        <translation>Date de naissance</translation>
    </message>
    <message>
        <source>Patientennummer</source>
        <translation>Numéro du patient</translation>
    </message>
    <message>
        <source>Datum</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Uhrzeit</source>
        <translation>Heure</translation>
    </message>
    <message>
        <source>Betriebsart</source>
        <translation>Mode</translation>
    </message>
    <message>
        <source>Übungslänge</source>
        <translation>Durée de l&apos;exercice</translation>
    </message>
    <message>
        <source>Patientendaten</source>
        <translation>Données du patient</translation>
    </message>
    <message>
        <source>Übung</source>
        <translation>Exercice</translation>
    </message>
    <message>
        <source>Statistik</source>
        <translation>Statistiques</translation>
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
        <translation>Nom du programme</translation>
    </message>
    <message>
        <source>Seite</source>
        <translation>Page</translation>
    </message>
    <message>
        <source>Druckdatum</source>
        <translation>Date d&apos;impression</translation>
    </message>
    <message>
        <source>Gerät</source>
        <translation>Appareil</translation>
    </message>
    <message>
        <source>Seriennummer</source>
        <translation>Numéro de série</translation>
    </message>
    <message>
        <source>Therapieanfang</source>
        <translation>Début de la thérapie</translation>
    </message>
    <message>
        <source>Therapieende</source>
        <translation>Fin de la thérapie</translation>
    </message>
    <message>
        <source>Anzahl Behandlungen</source>
        <translation>Nombre de séances</translation>
    </message>
    <message>
        <source>Ø Behandlungsdauer</source>
        <translation>Durée moyenne de séance</translation>
    </message>
    <message>
        <source>Therapietreue</source>
        <translation>Observance</translation>
    </message>
    <message>
        <source>Therapie-Zusammenfassung</source>
        <translation>Résumé de la thérapie</translation>
    </message>
    <message>
        <source>Geburtsdatum</source>
        <translation>Date de naissance</translation>
    </message>
    <message>
        <source>Straße</source>
        <translation>Rue</translation>
    </message>
    <message>
        <source>PLZ</source>
        <translation>Code postal</translation>
    </message>
    <message>
        <source>Ort</source>
        <translation>Ville</translation>
    </message>
    <message>
        <source>Krankenkasse</source>
        <translation>Caisse d&apos;assurance maladie</translation>
    </message>
    <message>
        <source>SV-Nummer</source>
        <translation>N° de sécurité sociale</translation>
    </message>
    <message>
        <source>Therapiedaten</source>
        <translation>Données de la thérapie</translation>
    </message>
    <message>
        <source>Die PDF-Datei konnte nicht erzeugt werden: %1</source>
        <translation>Le fichier PDF n&apos;a pas pu être créé : %1</translation>
    </message>
    <message>
        <source>Verlauf</source>
        <translation>Évolution</translation>
    </message>
    <message>
        <source>geb.</source>
        <translation>né(e) le</translation>
    </message>
    <message>
        <source>Zeitraum</source>
        <translation>Période</translation>
    </message>
    <message>
        <source>keine programmierte Übungsdauer</source>
        <translation>aucune durée d’exercice programmée</translation>
    </message>
</context>
<context>
    <name>Berichtsausgabe</name>
    <message>
        <source>PDF-Dateien (*.pdf)</source>
        <translation>Fichiers PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Der Druck ist fehlgeschlagen. Bitte prüfen Sie den Drucker und versuchen Sie es noch einmal.</source>
        <translation>L&apos;impression a échoué. Vérifiez l&apos;imprimante et réessayez.</translation>
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
        <translation>Électrostimulation ES</translation>
    </message>
    <message>
        <source>Biofeedback+Elektrostim.</source>
        <translation>Biofeedback+électrostim.</translation>
    </message>
    <message>
        <source>EMG-gesteuerte Elektrostim.      </source>
        <translation>Électrostim. pilotée par EMG      </translation>
    </message>
    <message>
        <source>Druck</source>
        <translation>Pression</translation>
    </message>
    <message>
        <source>Training Druck</source>
        <translation>Entraînement pression</translation>
    </message>
    <message>
        <source>1-kanalig EMG + Druck</source>
        <translation>EMG 1 canal + pression</translation>
    </message>
    <message>
        <source>2-kanalig EMG + Druck</source>
        <translation>EMG 2 canaux + pression</translation>
    </message>
    <message>
        <source>Programmfolge</source>
        <translation>Séquence de programmes</translation>
    </message>
    <message>
        <source>2-kanalig EMG</source>
        <translation>EMG 2 canaux</translation>
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
        <translation>EMG(1)+pression</translation>
    </message>
    <message>
        <source>EMG(2)+Druck</source>
        <translation>EMG(2)+pression</translation>
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
        <translation>Impossible d&apos;écrire le fichier&#xa0;: %1 (%2)</translation>
    </message>
    <message>
        <source>kein Platz mehr auf dem Datenträger</source>
        <translation>plus d&apos;espace libre sur le support</translation>
    </message>
    <message>
        <source>keine Berechtigung für diesen Ordner</source>
        <translation>aucune autorisation pour ce dossier</translation>
    </message>
    <message>
        <source>ein Ordner dieses Namens ist im Weg</source>
        <translation>un dossier portant ce nom occupe déjà cet emplacement</translation>
    </message>
    <message>
        <source>der Ordner existiert nicht</source>
        <translation>le dossier n&apos;existe pas</translation>
    </message>
    <message>
        <source>ein Teil des Pfades ist kein Ordner</source>
        <translation>une partie du chemin n&apos;est pas un dossier</translation>
    </message>
    <message>
        <source>der Datenträger ist schreibgeschützt</source>
        <translation>le support est protégé en écriture</translation>
    </message>
    <message>
        <source>der Name ist zu lang</source>
        <translation>le nom est trop long</translation>
    </message>
    <message>
        <source>Ein-/Ausgabefehler des Datenträgers</source>
        <translation>erreur d&apos;entrée/sortie du support</translation>
    </message>
</context>
<context>
    <name>Datenbank</name>
    <message>
        <source>Der Datenbankserver ist nicht erreichbar. Prüfen Sie, ob der Server läuft und ob Servername und Port (SQLServer3, RemoteServicePort3) stimmen.</source>
        <translation>Le serveur de base de données est injoignable. Vérifiez que le serveur est en cours d&apos;exécution et que le nom du serveur et le port (SQLServer3, RemoteServicePort3) sont corrects.</translation>
    </message>
    <message>
        <source>Benutzername oder Passwort ist falsch.</source>
        <translation>Nom d&apos;utilisateur ou mot de passe incorrect.</translation>
    </message>
    <message>
        <source>Diesem Benutzer fehlt die Berechtigung für diesen Vorgang.</source>
        <translation>Cet utilisateur n&apos;est pas autorisé à effectuer cette opération.</translation>
    </message>
    <message>
        <source>Die Datei ist keine Datenbank dieses Programms oder sie ist beschädigt. Stellen Sie die letzte Datensicherung wieder her.</source>
        <translation>Le fichier n&apos;est pas une base de données de ce programme ou il est endommagé. Restaurez la dernière sauvegarde.</translation>
    </message>
    <message>
        <source>Keine Berechtigung für den Sperr-Ordner der Datenbank (FIREBIRD_LOCK). Der Benutzer braucht dort Schreibrecht.</source>
        <translation>Aucune autorisation pour le dossier de verrouillage de la base de données (FIREBIRD_LOCK). L&apos;utilisateur doit y disposer du droit d&apos;écriture.</translation>
    </message>
    <message>
        <source>Auf dem Datenträger der Datenbank ist kein Platz mehr. Schaffen Sie Platz und versuchen Sie es erneut.</source>
        <translation>Il n&apos;y a plus d&apos;espace disponible sur le disque de la base de données. Libérez de l&apos;espace et réessayez.</translation>
    </message>
    <message>
        <source>Keine Berechtigung für die Datenbankdatei oder ihren Ordner. Der Benutzer braucht Lese- und Schreibrecht auf beide.</source>
        <translation>Aucune autorisation pour le fichier de base de données ou son dossier. L&apos;utilisateur doit disposer des droits de lecture et d&apos;écriture sur les deux.</translation>
    </message>
    <message>
        <source>Die Datenbank wurde nicht gefunden. Prüfen Sie den Datenbankordner (Einstellung SQLDir3).</source>
        <translation>La base de données est introuvable. Vérifiez le dossier de la base de données (paramètre SQLDir3).</translation>
    </message>
    <message>
        <source>Die Datenbankdatei wird gerade von einem anderen Programm benutzt. Beenden Sie das andere Programm oder verwenden Sie einen Datenbankserver für mehrere Arbeitsplätze.</source>
        <translation>Le fichier de base de données est actuellement utilisé par un autre programme. Fermez l&apos;autre programme ou utilisez un serveur de base de données pour plusieurs postes de travail.</translation>
    </message>
    <message>
        <source>Ein Text ist länger, als sein Feld in der Datenbank erlaubt.</source>
        <translation>Un texte dépasse la longueur autorisée par son champ dans la base de données.</translation>
    </message>
    <message>
        <source>Dem Benutzer fehlt die Rolle „Benutzer“ in der Datenbank.</source>
        <translation>L&apos;utilisateur ne dispose pas du rôle «&#xa0;Benutzer&#xa0;» dans la base de données.</translation>
    </message>
    <message>
        <source>Keine Verbindung zur Datenbank.</source>
        <translation>Aucune connexion à la base de données.</translation>
    </message>
    <message>
        <source>Fehler der Datenbank.</source>
        <translation>Erreur de la base de données.</translation>
    </message>
    <message>
        <source>Fehler beim Öffnen der Datenbank. (%1)</source>
        <translation>Erreur lors de l&apos;ouverture de la base de données. (%1)</translation>
    </message>
    <message>
        <source>Ungültiger Benutzername: nur Buchstaben, Ziffern und _ (höchstens 31 Zeichen, zuerst ein Buchstabe).</source>
        <translation>Nom d&apos;utilisateur invalide&#xa0;: uniquement des lettres, des chiffres et _ (31 caractères au maximum, le premier étant une lettre).</translation>
    </message>
    <message>
        <source>Die Benutzerverwaltung braucht einen Datenbankserver (Einstellung SQLServer3); das eingebettete Datenbanksystem prüft keine Passwörter.</source>
        <translation>La gestion des utilisateurs nécessite un serveur de base de données (paramètre SQLServer3)&#xa0;; le système de base de données embarqué ne vérifie pas les mots de passe.</translation>
    </message>
    <message>
        <source>Das Passwort darf nicht leer sein.</source>
        <translation>Le mot de passe ne doit pas être vide.</translation>
    </message>
    <message>
        <source>Fehler: Die fettgedruckten Felder sind Pflichtfelder!</source>
        <translation>Erreur&#xa0;: les champs en gras sont obligatoires&#xa0;!</translation>
    </message>
    <message>
        <source>Fehler: Das Geburtsdatum muss zwischen dem 01.01.1900 und heute liegen!</source>
        <translation>Erreur&#xa0;: la date de naissance doit être comprise entre le 01/01/1900 et aujourd&apos;hui&#xa0;!</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Vorname</source>
        <translation>Prénom</translation>
    </message>
    <message>
        <source>Patienten-ID</source>
        <translation>ID patient</translation>
    </message>
    <message>
        <source>Krankenkasse</source>
        <translation>Assurance maladie</translation>
    </message>
    <message>
        <source>Versicherten-Nr.</source>
        <translation>N° d&apos;assuré</translation>
    </message>
    <message>
        <source>Wohnort</source>
        <translation>Ville</translation>
    </message>
    <message>
        <source>Straße</source>
        <translation>Rue</translation>
    </message>
    <message>
        <source>PLZ</source>
        <translation>Code postal</translation>
    </message>
    <message>
        <source>Telefon</source>
        <translation>Téléphone</translation>
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
        <translation>Taille</translation>
    </message>
    <message>
        <source>Gewicht</source>
        <translation>Poids</translation>
    </message>
    <message>
        <source>Fehler: Der Text im Feld „%1“ ist länger als %2 Zeichen.</source>
        <translation>Erreur&#xa0;: le texte du champ «&#xa0;%1&#xa0;» dépasse %2 caractères.</translation>
    </message>
    <message>
        <source>Fehler: Patient bereits vorhanden!</source>
        <translation>Erreur&#xa0;: ce patient existe déjà&#xa0;!</translation>
    </message>
    <message>
        <source>Die Aufzeichnung ist unvollständig (kein Programmkopf).</source>
        <translation>L&apos;enregistrement est incomplet (pas d&apos;en-tête de programme).</translation>
    </message>
    <message>
        <source>Der Datensatz wird gerade an einem anderen Arbeitsplatz bearbeitet oder wurde dort soeben geändert. Ihre Änderung wurde nicht gespeichert. Bitte laden Sie die Liste neu und versuchen Sie es noch einmal.</source>
        <translation>L&apos;enregistrement est en cours de modification sur un autre poste de travail ou vient d&apos;y être modifié. Votre modification n&apos;a pas été enregistrée. Veuillez recharger la liste et réessayer.</translation>
    </message>
    <message>
        <source>Ein Text enthält ein Zeichen, das der Zeichensatz dieser Datenbank nicht speichern kann. Ersetzen Sie das Zeichen und versuchen Sie es noch einmal.</source>
        <translation>Un texte contient un caractère que le jeu de caractères de cette base de données ne peut pas enregistrer. Remplacez ce caractère et réessayez.</translation>
    </message>
    <message>
        <source>Der Zeichensatz der Datenbank oder der Einstellung SQLCodePage3 wird nicht unterstützt.</source>
        <translation>Le jeu de caractères de la base de données ou du paramètre SQLCodePage3 n&apos;est pas pris en charge.</translation>
    </message>
    <message>
        <source>Der Patient wurde inzwischen an einem anderen Arbeitsplatz gelöscht. Bitte laden Sie die Liste neu.</source>
        <translation>Le patient a entre-temps été supprimé sur un autre poste de travail. Veuillez recharger la liste.</translation>
    </message>
    <message>
        <source>Patient %1 gelöscht, mit seinen Übungen (%2).</source>
        <translation>Patient %1 supprimé, avec ses exercices (%2).</translation>
    </message>
    <message>
        <source>Patient %1 gelöscht; er hatte keine Übungen.</source>
        <translation>Patient %1 supprimé&#xa0;; il n&apos;avait aucun exercice.</translation>
    </message>
    <message>
        <source>Patient %1 gelöscht; seine Übungen bleiben ohne Patient in der Datenbank (%2): %3</source>
        <translation>Patient %1 supprimé&#xa0;; ses exercices restent dans la base de données sans patient (%2)&#xa0;: %3</translation>
    </message>
    <message>
        <source>Datei kann nicht kopiert werden: %1</source>
        <translation>Impossible de copier le fichier&#xa0;: %1</translation>
    </message>
    <message>
        <source>Datei kann nicht geschrieben werden: %1</source>
        <translation>Impossible d&apos;écrire le fichier&#xa0;: %1</translation>
    </message>
    <message>
        <source>Die Verbindung zum Datenbankserver wäre nicht verschlüsselt. Patientendaten gehen nur verschlüsselt über das Netz: Stellen Sie auf dem Server WireCrypt = Required ein (zudctl server-setup --system).</source>
        <translation>La connexion au serveur de base de données ne serait pas chiffrée. Les données des patients ne transitent sur le réseau que chiffrées : réglez WireCrypt = Required sur le serveur (zudctl server-setup --system).</translation>
    </message>
    <message>
        <source>Der Datenbankserver „%1“ (Port %2) ist nicht erreichbar. Prüfen Sie, ob der Server läuft, ob dieser Arbeitsplatz ihn im Netz erreicht und ob Servername und Port (SQLServer3, RemoteServicePort3) stimmen.
(%3)</source>
        <translation>Le serveur de base de données « %1 » (port %2) est injoignable. Vérifiez que le serveur fonctionne, que ce poste de travail l’atteint par le réseau et que le nom du serveur et le port (SQLServer3, RemoteServicePort3) sont corrects.
(%3)</translation>
    </message>
    <message>
        <source>Die Übung ist nicht mehr vorhanden; sie wurde inzwischen gelöscht (auch an einem anderen Arbeitsplatz oder mit ihrem Patienten). Es wurde nichts geändert.</source>
        <translation>L’exercice n’existe plus ; il a été supprimé entre-temps (éventuellement sur un autre poste ou avec son patient). Rien n’a été modifié.</translation>
    </message>
    <message>
        <source>Der Tabelle %1 fehlt ihr Primärschlüssel auf %2: ein Schlüssel kann doppelt vorkommen.</source>
        <translation>La table %1 n&apos;a pas de clé primaire sur %2 : une clé peut apparaître deux fois.</translation>
    </message>
    <message>
        <source>Der Schlüssel %1 = %2 kommt in der Tabelle %3 %4-mal vor.</source>
        <translation>La clé %1 = %2 apparaît %4 fois dans la table %3.</translation>
    </message>
    <message>
        <source>Der Generator %1 fehlt: neue Zeilen der Tabelle %2 bekommen keinen Schlüssel.</source>
        <translation>Le générateur %1 manque : les nouvelles lignes de la table %2 ne reçoivent pas de clé.</translation>
    </message>
    <message>
        <source>Der Generator %1 steht auf %2, der größte Schlüssel %3 in %4 ist aber %5: neue Zeilen bekämen Schlüssel, die es schon gibt.</source>
        <translation>Le générateur %1 est à %2, mais la plus grande clé %3 de %4 est %5 : de nouvelles lignes recevraient des clés qui existent déjà.</translation>
    </message>
    <message>
        <source>Datenbank geprüft (Übungen: %1, Patienten: %2, Geräte: %3).</source>
        <translation>Base de données vérifiée (exercices : %1, patients : %2, appareils : %3).</translation>
    </message>
    <message>
        <source>Keine Probleme gefunden.</source>
        <translation>Aucun problème trouvé.</translation>
    </message>
    <message>
        <source>Probleme: %1.</source>
        <translation>Problèmes : %1.</translation>
    </message>
    <message>
        <source>Hinweis von Firebird (kein Schaden: nach einem unerwarteten Ende eines Programms bleiben Seiten belegt, die nichts enthalten; eine Datensicherung mit Wiederherstellung gibt sie frei): %1.</source>
        <translation>Remarque de Firebird (aucun dommage : après l’arrêt inattendu d’un programme, des pages restent allouées sans rien contenir ; une sauvegarde suivie d’une restauration les libère) : %1.</translation>
    </message>
    <message>
        <source>Andere Arbeitsplätze waren angemeldet: Firebird hat Tabellen und Indizes geprüft, aber nicht die Verwaltungsseiten der Datei. Die vollständige Prüfung läuft, wenn niemand angemeldet ist.</source>
        <translation>D&apos;autres postes étaient connectés : Firebird a vérifié les tables et les index, mais pas les pages de gestion du fichier. La vérification complète a lieu quand personne n&apos;est connecté.</translation>
    </message>
    <message>
        <source>Die Prüfung der Datenbank wurde abgebrochen.</source>
        <translation>La vérification de la base de données a été annulée.</translation>
    </message>
    <message>
        <source>Firebird konnte die Tabelle %1 nicht prüfen: ein angemeldeter Arbeitsplatz hat sie in einer noch offenen Transaktion geändert. Prüfen Sie noch einmal, wenn alle Arbeitsplätze abgemeldet sind.</source>
        <translation>Firebird n&apos;a pas pu vérifier la table %1 : un poste connecté l&apos;a modifiée dans une transaction encore ouverte. Vérifiez de nouveau quand tous les postes sont déconnectés.</translation>
    </message>
    <message>
        <source>Firebird meldet einen Fehler in der Datenbankdatei: %1</source>
        <translation>Firebird signale une erreur dans le fichier de base de données : %1</translation>
    </message>
    <message>
        <source>Die Gerätenummer %1 (GERAETEID) ist in QALGERAETE %2-mal vergeben: ihre Übungen gehören zu keinem eindeutigen Gerät.</source>
        <translation>Le numéro d&apos;appareil %1 (GERAETEID) est attribué %2 fois dans QALGERAETE : ses exercices n&apos;appartiennent à aucun appareil unique.</translation>
    </message>
    <message>
        <source>Übung %1: %2</source>
        <translation>Exercice %1 : %2</translation>
    </message>
    <message>
        <source>Die Daten können nicht gelesen werden (%1).</source>
        <translation>Les données ne peuvent pas être lues (%1).</translation>
    </message>
    <message>
        <source>Die Übung gehört zu keinem Patienten (PATIENT ist leer).</source>
        <translation>L&apos;exercice n&apos;appartient à aucun patient (PATIENT est vide).</translation>
    </message>
    <message>
        <source>Der Patient %1 fehlt in der Patiententabelle: die Übung erscheint bei keinem Patienten. Ordnen Sie sie einem Patienten zu (zudctl db move %2 PATIENT).</source>
        <translation>Le patient %1 manque dans la table des patients : l&apos;exercice n&apos;apparaît chez aucun patient. Attribuez-le à un patient (zudctl db move %2 PATIENT).</translation>
    </message>
    <message>
        <source>Das Gerät %1 (TYP) fehlt in der Gerätetabelle QALGERAETE.</source>
        <translation>L&apos;appareil %1 (TYP) manque dans la table des appareils QALGERAETE.</translation>
    </message>
    <message>
        <source>Die Übung ist doppelt gespeichert: Patient, Datum, Uhrzeit und Daten gleichen Übung %1.</source>
        <translation>L&apos;exercice est enregistré deux fois : patient, date, heure et données sont ceux de l&apos;exercice %1.</translation>
    </message>
    <message>
        <source>Die Tabellen können nicht vollständig gelesen werden: %1</source>
        <translation>Les tables ne peuvent pas être lues entièrement : %1</translation>
    </message>
    <message>
        <source>Die Verbindung zum Datenbankserver „%1“ (Port %2) ist abgebrochen; der Vorgang wurde nicht abgeschlossen und nichts davon halb gespeichert. Prüfen Sie, ob der Server läuft. Sobald er wieder erreichbar ist, verbindet sich das Programm bei der nächsten Aktion neu; wiederholen Sie dann den Vorgang.</source>
        <translation>La connexion au serveur de base de données « %1 » (port %2) a été interrompue ; l’opération n’a pas été achevée et rien n’en a été enregistré à moitié. Vérifiez que le serveur fonctionne. Dès qu’il est de nouveau joignable, le programme se reconnecte à l’action suivante ; répétez alors l’opération.</translation>
    </message>
    <message>
        <source>Der Datenbankserver „%1“ (Port %2) ist nicht erreichbar. Prüfen Sie, ob der Server läuft, ob dieser Arbeitsplatz ihn im Netz erreicht und ob Servername und Port (SQLServer3, RemoteServicePort3) stimmen.</source>
        <translation>Le serveur de base de données « %1 » (port %2) est injoignable. Vérifiez que le serveur fonctionne, que ce poste de travail l’atteint par le réseau et que le nom du serveur et le port (SQLServer3, RemoteServicePort3) sont corrects.</translation>
    </message>
    <message>
        <source>Kein Platz auf %1: Der Datenträger der Datenbank ist voll. Schaffen Sie dort Platz und versuchen Sie es erneut.</source>
        <translation>Plus d’espace libre sur %1 : le disque de la base de données est plein. Libérez de l’espace à cet endroit et réessayez.</translation>
    </message>
</context>
<context>
    <name>DrawChart</name>
    <message>
        <source>Druck</source>
        <translation>Pression</translation>
    </message>
</context>
<context>
    <name>EdfExport</name>
    <message>
        <source>Entspannen</source>
        <translation>Détente</translation>
    </message>
    <message>
        <source>Anspannen</source>
        <translation>Contraction</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Strom</source>
        <translation>Courant</translation>
    </message>
    <message>
        <source>Phase %1</source>
        <translation>Phase %1</translation>
    </message>
    <message>
        <source>Die Übung enthält keine Messwerte, die als EDF+ exportiert werden können.</source>
        <translation>L’exercice ne contient aucune valeur mesurée exportable en EDF+.</translation>
    </message>
    <message>
        <source>Datei kann nicht geschrieben werden: %1</source>
        <translation>Impossible d’écrire le fichier : %1</translation>
    </message>
    <message>
        <source>Die EDF+-Datei %1 konnte nicht geschrieben werden.</source>
        <translation>Le fichier EDF+ %1 n’a pas pu être écrit.</translation>
    </message>
</context>
<context>
    <name>Gdt</name>
    <message>
        <source>Zeile %1: %2</source>
        <translation>Ligne %1 : %2</translation>
    </message>
    <message>
        <source>Die GDT-Datei ist leer.</source>
        <translation>Le fichier GDT est vide.</translation>
    </message>
    <message>
        <source>Die GDT-Datei ist zu groß für einen Satz.</source>
        <translation>Le fichier GDT est trop grand pour un enregistrement.</translation>
    </message>
    <message>
        <source>Die Zeile endet nicht mit CR LF (Datei unvollständig?).</source>
        <translation>La ligne ne se termine pas par CR LF (fichier incomplet ?).</translation>
    </message>
    <message>
        <source>Die Zeile hat nicht die Form Länge, Feldkennung, Inhalt.</source>
        <translation>La ligne n’a pas la forme longueur, identifiant de champ, contenu.</translation>
    </message>
    <message>
        <source>Die Zeilenlänge %1 stimmt nicht (tatsächlich %2 Zeichen).</source>
        <translation>La longueur de ligne %1 est fausse (en réalité %2 caractères).</translation>
    </message>
    <message>
        <source>Die Zeile enthält ein CR.</source>
        <translation>La ligne contient un CR.</translation>
    </message>
    <message>
        <source>Der Satz beginnt nicht mit der Satzart (Feld 8000).</source>
        <translation>L’enregistrement ne commence pas par le type d’enregistrement (champ 8000).</translation>
    </message>
    <message>
        <source>Die Satzart ist keine vierstellige Zahl.</source>
        <translation>Le type d’enregistrement n’est pas un nombre à quatre chiffres.</translation>
    </message>
    <message>
        <source>Die Datei enthält mehr als einen Satz.</source>
        <translation>Le fichier contient plus d’un enregistrement.</translation>
    </message>
    <message>
        <source>Die Satzlänge (Feld 8100) fehlt.</source>
        <translation>La longueur d’enregistrement (champ 8100) manque.</translation>
    </message>
    <message>
        <source>Die Satzlänge %1 stimmt nicht mit der Dateigröße %2 überein.</source>
        <translation>La longueur d’enregistrement %1 ne correspond pas à la taille du fichier %2.</translation>
    </message>
    <message>
        <source>Unbekannter Zeichensatz „%1“.</source>
        <translation>Jeu de caractères inconnu « %1 ».</translation>
    </message>
    <message>
        <source>Die GDT-Version (Feld 9218) fehlt.</source>
        <translation>La version GDT (champ 9218) manque.</translation>
    </message>
    <message>
        <source>Die GDT-Version „%1“ wird nicht unterstützt (2.x oder 3.x).</source>
        <translation>La version GDT « %1 » n’est pas prise en charge (2.x ou 3.x).</translation>
    </message>
    <message>
        <source>Die Datei ist an „%1“ gerichtet, nicht an „%2“.</source>
        <translation>Le fichier est adressé à « %1 », non à « %2 ».</translation>
    </message>
    <message>
        <source>Das Zeichen „%1“ in Feld %2 („%3“) kann im gewählten GDT-Zeichensatz nicht übertragen werden. Bitte wählen Sie in den Einstellungen einen anderen Zeichensatz oder ändern Sie den Text.</source>
        <translation>Le caractère « %1 » du champ %2 (« %3 ») ne peut pas être transmis dans le jeu de caractères GDT choisi. Veuillez choisir un autre jeu de caractères dans les paramètres ou modifier le texte.</translation>
    </message>
    <message>
        <source>Der Inhalt von Feld %1 ist zu lang für eine GDT-Zeile.</source>
        <translation>Le contenu du champ %1 est trop long pour une ligne GDT.</translation>
    </message>
    <message>
        <source>Der GDT-Satz ist länger als 99999 Zeichen.</source>
        <translation>L’enregistrement GDT dépasse 99999 caractères.</translation>
    </message>
    <message>
        <source>Die Satzart %1 wird nicht angenommen (6301, 6302 oder 6311).</source>
        <translation>Le type d’enregistrement %1 n’est pas accepté (6301, 6302 ou 6311).</translation>
    </message>
    <message>
        <source>Der Dateiverweis „%1“ zeigt aus dem GDT-Austauschordner hinaus.</source>
        <translation>La référence de fichier « %1 » pointe hors du dossier d’échange GDT.</translation>
    </message>
    <message>
        <source>Das Geburtsdatum „%1“ ist kein Datum (TTMMJJJJ).</source>
        <translation>La date de naissance « %1 » n’est pas une date (JJMMAAAA).</translation>
    </message>
    <message>
        <source>Die Anfrage nennt weder eine Patientennummer (3000) noch Name und Vorname.</source>
        <translation>La demande n’indique ni numéro de patient (3000) ni nom et prénom.</translation>
    </message>
    <message>
        <source>Das Datum der Untersuchung (Feld 6200) fehlt oder ist ungültig.</source>
        <translation>La date de l’examen (champ 6200) manque ou n’est pas valide.</translation>
    </message>
    <message>
        <source>Die Uhrzeit der Untersuchung (Feld 6201) fehlt oder ist ungültig.</source>
        <translation>L’heure de l’examen (champ 6201) manque ou n’est pas valide.</translation>
    </message>
    <message>
        <source>Die GDT-Datei %1 wurde abgelehnt: %2 Sie konnte nicht in den Ordner „fehler“ verschoben werden; bitte entfernen Sie sie von Hand.</source>
        <translation>Le fichier GDT %1 a été refusé : %2 Il n’a pas pu être déplacé dans le dossier « fehler » ; veuillez le supprimer à la main.</translation>
    </message>
    <message>
        <source>Die GDT-Datei %1 wurde abgelehnt und in den Ordner „fehler“ verschoben: %2</source>
        <translation>Le fichier GDT %1 a été refusé et déplacé dans le dossier « fehler » : %2</translation>
    </message>
    <message>
        <source>Die GDT-Datei %1 kann nicht gelesen werden: %2</source>
        <translation>Le fichier GDT %1 ne peut pas être lu : %2</translation>
    </message>
    <message>
        <source>Praxissoftware: Die Übung vom %1 um %2 von %3 ist nicht gespeichert.</source>
        <translation>Logiciel du cabinet : l’exercice du %1 à %2 de %3 n’est pas enregistré.</translation>
    </message>
    <message>
        <source>Praxissoftware: Patient %1 wurde angelegt.</source>
        <translation>Logiciel du cabinet : le patient %1 a été créé.</translation>
    </message>
    <message>
        <source>Praxissoftware: Patient %1 ausgewählt.</source>
        <translation>Logiciel du cabinet : patient %1 sélectionné.</translation>
    </message>
    <message>
        <source>Betriebsart</source>
        <translation>Mode</translation>
    </message>
    <message>
        <source>Übungslänge</source>
        <translation>Durée de l’exercice</translation>
    </message>
    <message>
        <source>%1 Mittelwert</source>
        <translation>%1 moyenne</translation>
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
        <translation>Durée de maintien</translation>
    </message>
    <message>
        <source>Basisdruck</source>
        <translation>Pression de base</translation>
    </message>
    <message>
        <source>Die Übung gehört zu keinem gespeicherten Patienten.</source>
        <translation>L’exercice n’appartient à aucun patient enregistré.</translation>
    </message>
    <message>
        <source>Bericht der Übung vom %1</source>
        <translation>Rapport de l’exercice du %1</translation>
    </message>
    <message>
        <source>Im GDT-Austauschordner liegen 999 unabgeholte Ergebnisdateien. Bitte prüfen Sie, ob die Praxissoftware sie abholt.</source>
        <translation>Le dossier d’échange GDT contient 999 fichiers de résultats non récupérés. Veuillez vérifier que le logiciel du cabinet les récupère.</translation>
    </message>
    <message>
        <source>Bitte geben Sie den GDT-Austauschordner an.</source>
        <translation>Veuillez indiquer le dossier d’échange GDT.</translation>
    </message>
    <message>
        <source>Der GDT-Austauschordner „%1“ ist nicht vorhanden. Bitte legen Sie ihn an oder wählen Sie einen anderen.</source>
        <translation>Le dossier d’échange GDT « %1 » n’existe pas. Veuillez le créer ou en choisir un autre.</translation>
    </message>
    <message>
        <source>Die GDT-Kennungen müssen 1 bis 8 Buchstaben oder Ziffern lang sein.</source>
        <translation>Les identifiants GDT doivent comporter de 1 à 8 lettres ou chiffres.</translation>
    </message>
    <message>
        <source>Die eigene GDT-Kennung und die der Praxissoftware müssen sich unterscheiden.</source>
        <translation>L’identifiant GDT propre et celui du logiciel du cabinet doivent être différents.</translation>
    </message>
    <message>
        <source>Der Untersuchungscode ist zu lang.</source>
        <translation>Le code d’examen est trop long.</translation>
    </message>
    <message>
        <source>Die Praxissoftware hat das vorige Ergebnis (%1) noch nicht abgeholt. Bitte lassen Sie es dort einlesen oder stellen Sie in den GDT-Einstellungen nummerierte Ergebnisdateien ein.</source>
        <translation>Le logiciel du cabinet n’a pas encore récupéré le résultat précédent (%1). Veuillez l’y faire importer ou activer les fichiers de résultat numérotés dans les paramètres GDT.</translation>
    </message>
    <message>
        <source>Die Datei ist nicht vorhanden.</source>
        <translation>Le fichier n’existe pas.</translation>
    </message>
    <message>
        <source>Sie ist keine GDT-Datei (sie beginnt nicht mit dem Feld 8000) oder größer als eine Anfrage sein kann.</source>
        <translation>Ce n’est pas un fichier GDT (il ne commence pas par le champ 8000) ou il est plus grand qu’une demande ne peut l’être.</translation>
    </message>
</context>
<context>
    <name>Geraet</name>
    <message>
        <source>die Schnittstelle ist nicht vorhanden (Kabel eingesteckt?)</source>
        <translation>le port n&apos;existe pas (câble branché&#xa0;?)</translation>
    </message>
    <message>
        <source>keine Berechtigung: der Benutzer muss Mitglied der Gruppe dialout sein (danach neu anmelden)</source>
        <translation>aucune autorisation&#xa0;: l&apos;utilisateur doit être membre du groupe dialout (puis se reconnecter)</translation>
    </message>
    <message>
        <source>die Schnittstelle wird von einem anderen Programm benutzt</source>
        <translation>le port est utilisé par un autre programme</translation>
    </message>
    <message>
        <source>das ist keine serielle Schnittstelle</source>
        <translation>ce n&apos;est pas un port série</translation>
    </message>
    <message>
        <source>Schnittstelle kann nicht geöffnet werden</source>
        <translation>Impossible d&apos;ouvrir le port</translation>
    </message>
    <message>
        <source>&apos;%1&apos; ist kein gültiger Integerwert</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas un nombre entier valide</translation>
    </message>
    <message>
        <source>Kein Gerät erkannt!</source>
        <translation>Aucun appareil détecté&#xa0;!</translation>
    </message>
    <message>
        <source>Die Firmware am Gerät unterstützt diese Funktion nicht!</source>
        <translation>Le micrologiciel de l&apos;appareil ne prend pas en charge cette fonction&#xa0;!</translation>
    </message>
    <message>
        <source>Während der Kommunikation ist ein Fehler aufgetreten!</source>
        <translation>Une erreur s&apos;est produite pendant la communication&#xa0;!</translation>
    </message>
    <message>
        <source>Gerät wird nicht unterstützt</source>
        <translation>Appareil non pris en charge</translation>
    </message>
    <message>
        <source>ZUD12 Typ %1</source>
        <translation>ZUD12 type %1</translation>
    </message>
</context>
<context>
    <name>Login</name>
    <message>
        <source>Benutzer</source>
        <translation>Utilisateur</translation>
    </message>
</context>
<context>
    <name>Phasengruppen</name>
    <message>
        <source>Entspannen</source>
        <translation>Relâchement</translation>
    </message>
    <message>
        <source>Anspannen</source>
        <translation>Contraction</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Strom</source>
        <translation>Courant</translation>
    </message>
    <message>
        <source>Druck</source>
        <translation>Pression</translation>
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
        <translation>Relâchement CH1</translation>
    </message>
    <message>
        <source>Anspannen CH1</source>
        <translation>Contraction CH1</translation>
    </message>
    <message>
        <source>Entspannen CH2</source>
        <translation>Relâchement CH2</translation>
    </message>
    <message>
        <source>Anspannen CH2</source>
        <translation>Contraction CH2</translation>
    </message>
</context>
<context>
    <name>Programmierung</name>
    <message>
        <source>Dauerbetrieb</source>
        <translation>Continu</translation>
    </message>
    <message>
        <source>%1min</source>
        <translation>%1min</translation>
    </message>
    <message>
        <source>Einige Texte konnten nicht in die eingestellte Sprache des Gerätes konvertiert werden. Überprüfen Sie die Anzeige!</source>
        <translation>Certains textes n&apos;ont pas pu être convertis dans la langue réglée sur l&apos;appareil. Vérifiez l&apos;affichage !</translation>
    </message>
    <message>
        <source>Lade Systemparameter ...</source>
        <translation>Chargement des paramètres système ...</translation>
    </message>
    <message>
        <source>Lade Therapeutendaten ...</source>
        <translation>Chargement des données des thérapeutes ...</translation>
    </message>
    <message>
        <source>Laden abgebrochen.</source>
        <translation>Chargement annulé.</translation>
    </message>
    <message>
        <source>Datei kann nicht gelesen werden: %1 (%2)</source>
        <translation>Impossible de lire le fichier : %1 (%2)</translation>
    </message>
    <message>
        <source>Es ist ein anderes Gerät angeschlossen als beim Laden (S/N %1). Bitte die Programmierung neu starten.</source>
        <translation>Un autre appareil que celui chargé (N/S %1) est connecté. Veuillez relancer la programmation.</translation>
    </message>
    <message>
        <source>Lösche Übungen (Therapeut %1, Patient %2)</source>
        <translation>Suppression des exercices (thérapeute %1, patient %2)</translation>
    </message>
    <message>
        <source>Werkszustand</source>
        <translation>État d&apos;usine</translation>
    </message>
    <message>
        <source>Werkseinstellungen abgebrochen: die Übungen von %1 Patienten wurden gelöscht, das Gerät behält seine Programme.</source>
        <translation>Réinitialisation d’usine annulée : les exercices de %1 patients ont été supprimés ; l’appareil conserve ses programmes.</translation>
    </message>
    <message>
        <source>Übertrage Programme ...</source>
        <translation>Transfert des programmes ...</translation>
    </message>
    <message>
        <source>Übertragen abgebrochen: %1 Dateien wurden übertragen. Die übrigen Änderungen überträgt das nächste „Übertragen“.</source>
        <translation>Transfert annulé : %1 fichiers ont été transférés. Le prochain « Transférer » enverra les autres modifications.</translation>
    </message>
</context>
<context>
    <name>Ribbon</name>
    <message>
        <source>Dieser Befehl ist deaktiviert.</source>
        <translation>Cette commande est désactivée.</translation>
    </message>
</context>
<context>
    <name>Rohdaten</name>
    <message>
        <source>Entspannen</source>
        <translation>Détente</translation>
    </message>
    <message>
        <source>Anspannen</source>
        <translation>Contraction</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Strom</source>
        <translation>Courant</translation>
    </message>
</context>
<context>
    <name>Statistik</name>
    <message>
        <source>Einkanalig</source>
        <translation>Monocanal</translation>
    </message>
    <message>
        <source>Zweikanalig</source>
        <translation>Bicanal</translation>
    </message>
    <message>
        <source>EMG-gesteuert</source>
        <translation>Déclenché par EMG</translation>
    </message>
    <message>
        <source>Druck</source>
        <translation>Pression</translation>
    </message>
    <message>
        <source>Training Druck</source>
        <translation>Entraînement pression</translation>
    </message>
    <message>
        <source>Nr</source>
        <translation>N°</translation>
    </message>
    <message>
        <source>Datum</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Uhrzeit</source>
        <translation>Heure</translation>
    </message>
    <message>
        <source>Programmname</source>
        <translation>Nom du programme</translation>
    </message>
    <message>
        <source>Betriebsart</source>
        <translation>Mode</translation>
    </message>
    <message>
        <source>Übungslänge</source>
        <translation>Durée de l&apos;exercice</translation>
    </message>
    <message>
        <source>Entspannen min</source>
        <translation>Relâchement min</translation>
    </message>
    <message>
        <source>Entspannen max</source>
        <translation>Relâchement max</translation>
    </message>
    <message>
        <source>Entspannen Ø</source>
        <translation>Relâchement Ø</translation>
    </message>
    <message>
        <source>Anspannen min</source>
        <translation>Contraction min</translation>
    </message>
    <message>
        <source>Anspannen max</source>
        <translation>Contraction max</translation>
    </message>
    <message>
        <source>Anspannen Ø</source>
        <translation>Contraction Ø</translation>
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
        <translation>Courant min</translation>
    </message>
    <message>
        <source>Strom max</source>
        <translation>Courant max</translation>
    </message>
    <message>
        <source>Strom Ø</source>
        <translation>Courant Ø</translation>
    </message>
    <message>
        <source>Entspannen min CH1</source>
        <translation>Relâchement min CH1</translation>
    </message>
    <message>
        <source>Entspannen max CH1</source>
        <translation>Relâchement max CH1</translation>
    </message>
    <message>
        <source>Entspannen Ø CH1</source>
        <translation>Relâchement Ø CH1</translation>
    </message>
    <message>
        <source>Anspannen min CH1</source>
        <translation>Contraction min CH1</translation>
    </message>
    <message>
        <source>Anspannen max CH1</source>
        <translation>Contraction max CH1</translation>
    </message>
    <message>
        <source>Anspannen Ø CH1</source>
        <translation>Contraction Ø CH1</translation>
    </message>
    <message>
        <source>Entspannen min CH2</source>
        <translation>Relâchement min CH2</translation>
    </message>
    <message>
        <source>Entspannen max CH2</source>
        <translation>Relâchement max CH2</translation>
    </message>
    <message>
        <source>Entspannen Ø CH2</source>
        <translation>Relâchement Ø CH2</translation>
    </message>
    <message>
        <source>Anspannen min CH2</source>
        <translation>Contraction min CH2</translation>
    </message>
    <message>
        <source>Anspannen max CH2</source>
        <translation>Contraction max CH2</translation>
    </message>
    <message>
        <source>Anspannen Ø CH2</source>
        <translation>Contraction Ø CH2</translation>
    </message>
    <message>
        <source>Druck min</source>
        <translation>Pression min</translation>
    </message>
    <message>
        <source>Druck max</source>
        <translation>Pression max</translation>
    </message>
    <message>
        <source>Druck Ø</source>
        <translation>Pression Ø</translation>
    </message>
    <message>
        <source>max. Haltedauer</source>
        <translation>Maintien max.</translation>
    </message>
    <message>
        <source>Basisdruck</source>
        <translation>Pression de base</translation>
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
        <translation>aucun exercice enregistré</translation>
    </message>
    <message>
        <source>keine Übung mit fester Übungsdauer über 2 min</source>
        <translation>aucun exercice à durée fixe de plus de 2 min</translation>
    </message>
    <message>
        <source>nicht hinterlegt</source>
        <translation>non renseigné</translation>
    </message>
    <message>
        <source>nicht hinterlegt („%1“ ist keine Seriennummer)</source>
        <translation>non renseigné («&#xa0;%1&#xa0;» n’est pas un numéro de série)</translation>
    </message>
</context>
<context>
    <name>zud::ui::ApplicationChangeWindow</name>
    <message>
        <source>Anwendung wechseln</source>
        <translation>Changer d&apos;application</translation>
    </message>
    <message>
        <source>Zurück</source>
        <translation>Retour</translation>
    </message>
    <message>
        <source>Wechseln</source>
        <translation>Changer</translation>
    </message>
    <message>
        <source>Allgemein</source>
        <translation>Général</translation>
    </message>
    <message>
        <source>Anwendung</source>
        <translation>Application</translation>
    </message>
    <message>
        <source>Anwendungen:</source>
        <translation>Applications :</translation>
    </message>
    <message>
        <source>Firmware-Version</source>
        <translation>Version du firmware</translation>
    </message>
    <message>
        <source>Firmware-Datum</source>
        <translation>Date du firmware</translation>
    </message>
    <message>
        <source>Lösche Übungen...</source>
        <translation>Suppression des exercices...</translation>
    </message>
    <message>
        <source>Werkszustand</source>
        <translation>État d&apos;usine</translation>
    </message>
    <message>
        <source>%1 (aktiv)</source>
        <translation>%1 (active)</translation>
    </message>
    <message>
        <source>Die aktive Anwendung des Gerätes.</source>
        <translation>L’application active de l’appareil.</translation>
    </message>
    <message>
        <source>%1 (nicht freigeschaltet)</source>
        <translation>%1 (non déverrouillée)</translation>
    </message>
    <message>
        <source>Das Gerät meldet diese Anwendung nicht als freigeschaltet.</source>
        <translation>L’appareil ne signale pas cette application comme déverrouillée.</translation>
    </message>
    <message>
        <source>Aktive Anwendung</source>
        <translation>Application active</translation>
    </message>
    <message>
        <source>keine</source>
        <translation>aucune</translation>
    </message>
    <message>
        <source>Freigeschaltet</source>
        <translation>Déverrouillées</translation>
    </message>
    <message>
        <source>Das Gerät wird auf die Anwendung „%1“ umgestellt. Hierdurch werden alle Übungen und Patienten auf dem Gerät gelöscht und das Gerät auf Werkseinstellungen zurückgesetzt; die Datenbank bleibt unverändert. Übungen, die noch nicht ausgelesen wurden, gehen verloren.

Möchten Sie fortfahren?</source>
        <translation>L’appareil va passer à l’application « %1 ». Tous les exercices et patients de l’appareil seront supprimés et l’appareil sera remis aux réglages d’usine ; la base de données reste inchangée. Les exercices qui n’ont pas encore été lus sont perdus.

Voulez-vous continuer ?</translation>
    </message>
    <message>
        <source>Vorher auslesen</source>
        <translation>Lire d’abord</translation>
    </message>
    <message>
        <source>Das Gerät meldet die Anwendung „%1“ nicht als freigeschaltet. Ohne Freischaltung kann das Gerät nach dem Wechsel womöglich keine Übungen ausführen, bis wieder auf eine freigeschaltete Anwendung gewechselt wird.

Trotzdem wechseln?</source>
        <translation>L’appareil ne signale pas l’application « %1 » comme déverrouillée. Sans déverrouillage, l’appareil risque de ne plus pouvoir exécuter d’exercices après le changement, jusqu’à ce qu’il repasse à une application déverrouillée.

Changer quand même ?</translation>
    </message>
</context>
<context>
    <name>zud::ui::ChartFrame</name>
    <message>
        <source>Diese Übung enthält keine darstellbaren Messwerte.</source>
        <translation>Cet exercice ne contient aucune valeur affichable.</translation>
    </message>
</context>
<context>
    <name>zud::ui::CheckPatientModel</name>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Letzter Zugriff</source>
        <translation>Dernier accès</translation>
    </message>
    <message>
        <source>Geburtsdatum</source>
        <translation>Date de naissance</translation>
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
        <translation>Heure</translation>
    </message>
    <message>
        <source>Übungslänge</source>
        <translation>Durée de l&apos;exercice</translation>
    </message>
    <message>
        <source>bereits gespeichert</source>
        <translation>déjà enregistré</translation>
    </message>
    <message>
        <source>Datenbank</source>
        <translation>Base de données</translation>
    </message>
    <message>
        <source>gleiche Uhrzeit bei %1</source>
        <translation>même heure : %1</translation>
    </message>
</context>
<context>
    <name>zud::ui::ExchangeForm</name>
    <message>
        <source>Abbrechen</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>zud::ui::ExchangeProgress</name>
    <message>
        <source>Abbrechen</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>zud::ui::ExportWindow</name>
    <message>
        <source>Daten exportieren</source>
        <translation>Exporter les données</translation>
    </message>
    <message>
        <source>Exportieren</source>
        <translation>Exporter</translation>
    </message>
    <message>
        <source>Zurück</source>
        <translation>Retour</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportation</translation>
    </message>
    <message>
        <source>Archive</source>
        <translation>Archives</translation>
    </message>
    <message>
        <source>Die Daten wurden exportiert (Patienten: %1) in die Datei:
%2</source>
        <translation>Les données ont été exportées (patients : %1) dans le fichier :
%2</translation>
    </message>
</context>
<context>
    <name>zud::ui::GdtSettingsDialog</name>
    <message>
        <source>GDT-Einstellungen</source>
        <translation>Paramètres GDT</translation>
    </message>
    <message>
        <source>Verbindung zur Praxissoftware (GDT) aktiv</source>
        <translation>Connexion au logiciel du cabinet (GDT) active</translation>
    </message>
    <message>
        <source>Durchsuchen…</source>
        <translation>Parcourir…</translation>
    </message>
    <message>
        <source>GDT-Austauschordner</source>
        <translation>Dossier d’échange GDT</translation>
    </message>
    <message>
        <source>Austauschordner:</source>
        <translation>Dossier d’échange :</translation>
    </message>
    <message>
        <source>Eigene GDT-ID:</source>
        <translation>ID GDT propre :</translation>
    </message>
    <message>
        <source>GDT-ID der Praxissoftware:</source>
        <translation>ID GDT du logiciel du cabinet :</translation>
    </message>
    <message>
        <source>Version:</source>
        <translation>Version :</translation>
    </message>
    <message>
        <source>7 Bit (DIN 66003)</source>
        <translation>7 bits (DIN 66003)</translation>
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
        <translation>Jeu de caractères :</translation>
    </message>
    <message>
        <source>Untersuchungscode (8402):</source>
        <translation>Code d’examen (8402) :</translation>
    </message>
    <message>
        <source>Ergebnisse nach dem Auslesen und nach dem Speichern einer Echtzeitmessung automatisch senden</source>
        <translation>Envoyer les résultats automatiquement après la lecture des exercices et après l’enregistrement d’une mesure en temps réel</translation>
    </message>
    <message>
        <source>Berichtsseite als PDF mitsenden</source>
        <translation>Joindre la page de rapport en PDF</translation>
    </message>
    <message>
        <source>Ergebnisdateien nummerieren (.001, .002, …)</source>
        <translation>Numéroter les fichiers de résultats (.001, .002, …)</translation>
    </message>
</context>
<context>
    <name>zud::ui::ImportWindow</name>
    <message>
        <source>Daten importieren</source>
        <translation>Importer les données</translation>
    </message>
    <message>
        <source>Archiv öffnen</source>
        <translation>Ouvrir une archive</translation>
    </message>
    <message>
        <source>Importieren</source>
        <translation>Importer</translation>
    </message>
    <message>
        <source>Zurück</source>
        <translation>Retour</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importation</translation>
    </message>
    <message>
        <source>Archive</source>
        <translation>Archives</translation>
    </message>
    <message>
        <source>Die Daten wurden importiert (Patienten: %1) aus der Datei:
%2</source>
        <translation>Les données ont été importées (patients : %1) depuis le fichier :
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
        <translation>Programme</translation>
    </message>
    <message>
        <source>Zeit</source>
        <translation>Temps</translation>
    </message>
    <message>
        <source>Zyklus</source>
        <translation>Cycle</translation>
    </message>
    <message>
        <source>Im Zielbereich</source>
        <translation>Dans la cible</translation>
    </message>
    <message>
        <source>kein Patient gewählt</source>
        <translation>aucun patient choisi</translation>
    </message>
    <message>
        <source>%1 von %2</source>
        <translation>%1 sur %2</translation>
    </message>
    <message>
        <source>Wert</source>
        <translation>Valeur</translation>
    </message>
    <message>
        <source>Strom</source>
        <translation>Courant</translation>
    </message>
    <message>
        <source>Druck</source>
        <translation>Pression</translation>
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
        <translation>Objectif : au-dessus du seuil</translation>
    </message>
    <message>
        <source>Ziel: unter der Schwelle</source>
        <translation>Objectif : en dessous du seuil</translation>
    </message>
    <message>
        <source>Dauerbetrieb</source>
        <translation>Continu</translation>
    </message>
    <message>
        <source>Gesamtdauer: %1</source>
        <translation>Durée totale : %1</translation>
    </message>
</context>
<context>
    <name>zud::ui::LoginDialog</name>
    <message>
        <source>Login</source>
        <translation>Connexion</translation>
    </message>
    <message>
        <source>Benutzer:</source>
        <translation>Utilisateur :</translation>
    </message>
    <message>
        <source>Passwort:</source>
        <translation>Mot de passe :</translation>
    </message>
    <message>
        <source>Diesen Login immer benutzen</source>
        <translation>Toujours utiliser cet identifiant</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>zud::ui::MainWindow</name>
    <message>
        <source>Gebrauchsanweisung</source>
        <translation>Mode d&apos;emploi</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Software-Update</source>
        <translation>Mise à jour du logiciel</translation>
    </message>
    <message>
        <source>Beenden</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Programmieren</source>
        <translation>Programmer</translation>
    </message>
    <message>
        <source>Übungen auslesen</source>
        <translation>Lire les exercices</translation>
    </message>
    <message>
        <source>Echtzeit Start</source>
        <translation>Démarrer le temps réel</translation>
    </message>
    <message>
        <source>Echtzeit Stop</source>
        <translation>Arrêter le temps réel</translation>
    </message>
    <message>
        <source>Anwendung wechseln</source>
        <translation>Changer d&apos;application</translation>
    </message>
    <message>
        <source>Aktualisieren</source>
        <translation>Actualiser</translation>
    </message>
    <message>
        <source>Anschluss</source>
        <translation>Connexion</translation>
    </message>
    <message>
        <source>Baudrate</source>
        <translation>Débit en bauds</translation>
    </message>
    <message>
        <source>Patienten</source>
        <translation>Patients</translation>
    </message>
    <message>
        <source>Patient hinzufügen</source>
        <translation>Ajouter un patient</translation>
    </message>
    <message>
        <source>Patient löschen</source>
        <translation>Supprimer le patient</translation>
    </message>
    <message>
        <source>Statistik</source>
        <translation>Statistiques</translation>
    </message>
    <message>
        <source>Übung laden</source>
        <translation>Charger l&apos;exercice</translation>
    </message>
    <message>
        <source>Übung löschen</source>
        <translation>Supprimer l&apos;exercice</translation>
    </message>
    <message>
        <source>Übung speichern</source>
        <translation>Enregistrer l&apos;exercice</translation>
    </message>
    <message>
        <source>Bemerkung hinzufügen/ändern</source>
        <translation>Ajouter/modifier une remarque</translation>
    </message>
    <message>
        <source>Druckvorschau</source>
        <translation>Aperçu avant impression</translation>
    </message>
    <message>
        <source>Als PDF exportieren</source>
        <translation>Exporter en PDF</translation>
    </message>
    <message>
        <source>Daten Exportieren</source>
        <translation>Exporter les données</translation>
    </message>
    <message>
        <source>Daten Importieren</source>
        <translation>Importer des données</translation>
    </message>
    <message>
        <source>Datenbank sichern</source>
        <translation>Sauvegarder la base de données</translation>
    </message>
    <message>
        <source>Datenbank wiederherstellen</source>
        <translation>Restaurer la base de données</translation>
    </message>
    <message>
        <source>Rohdaten exportieren</source>
        <translation>Exporter les données brutes</translation>
    </message>
    <message>
        <source>Rohdaten der angezeigten Datei in eine CSV-Datei exportieren.</source>
        <translation>Exporter les données brutes du fichier affiché dans un fichier CSV.</translation>
    </message>
    <message>
        <source>Login</source>
        <translation>Connexion</translation>
    </message>
    <message>
        <source>Logout</source>
        <translation>Déconnexion</translation>
    </message>
    <message>
        <source>Passwort ändern</source>
        <translation>Modifier le mot de passe</translation>
    </message>
    <message>
        <source>DB-Manager</source>
        <translation>DB-Manager</translation>
    </message>
    <message>
        <source>Patienten/Übungen verbergen</source>
        <translation>Masquer patients/exercices</translation>
    </message>
    <message>
        <source>Patienten/Übungen anzeigen</source>
        <translation>Afficher patients/exercices</translation>
    </message>
    <message>
        <source>Alle Übungen anordnen</source>
        <translation>Disposer tous les exercices</translation>
    </message>
    <message>
        <source>Liniendiagramm</source>
        <translation>Graphique en courbes</translation>
    </message>
    <message>
        <source>Flächendiagramm</source>
        <translation>Graphique en aires</translation>
    </message>
    <message>
        <source>Gitterlinien X-Achse +</source>
        <translation>Quadrillage axe X +</translation>
    </message>
    <message>
        <source>Gitterlinien X-Achse -</source>
        <translation>Quadrillage axe X -</translation>
    </message>
    <message>
        <source>Gitterlinien Y-Achse +</source>
        <translation>Quadrillage axe Y +</translation>
    </message>
    <message>
        <source>Gitterlinien Y-Achse -</source>
        <translation>Quadrillage axe Y -</translation>
    </message>
    <message>
        <source>Zuschneiden</source>
        <translation>Rogner</translation>
    </message>
    <message>
        <source>Übernehmen</source>
        <translation>Appliquer</translation>
    </message>
    <message>
        <source>Verwerfen</source>
        <translation>Abandonner</translation>
    </message>
    <message>
        <source>Sprache</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>Allgemein</source>
        <translation>Général</translation>
    </message>
    <message>
        <source>Kommunikation</source>
        <translation>Communication</translation>
    </message>
    <message>
        <source>Übungen</source>
        <translation>Exercices</translation>
    </message>
    <message>
        <source>Daten</source>
        <translation>Données</translation>
    </message>
    <message>
        <source>Ansicht</source>
        <translation>Affichage</translation>
    </message>
    <message>
        <source>Programm</source>
        <translation>Programme</translation>
    </message>
    <message>
        <source>Gitterlinien</source>
        <translation>Quadrillage</translation>
    </message>
    <message>
        <source>Druck-Einheit</source>
        <translation>Unité de pression</translation>
    </message>
    <message>
        <source>Dieser Befehl ist deaktiviert.</source>
        <translation>Cette commande est désactivée.</translation>
    </message>
    <message>
        <source>Persönliche Benutzerkonten setzen einen Datenbankserver voraus. Mit der eingebetteten Datenbank wird jeder Name ohne Passwortprüfung angenommen.</source>
        <translation>Les comptes utilisateur personnels nécessitent un serveur de base de données. Avec la base de données intégrée, tout nom est accepté sans vérification du mot de passe.</translation>
    </message>
    <message>
        <source>Passwort ändern fehlgeschlagen (%1)</source>
        <translation>Échec de la modification du mot de passe (%1)</translation>
    </message>
    <message>
        <source>Es ist kein Update-Server eingerichtet.</source>
        <translation>Aucun serveur de mise à jour n&apos;est configuré.</translation>
    </message>
    <message>
        <source>Updateinformationen können nicht geladen werden. Bitte überprüfen Sie die Internetverbindung.</source>
        <translation>Impossible de charger les informations de mise à jour. Veuillez vérifier votre connexion Internet.</translation>
    </message>
    <message>
        <source>Eine neue Programmversion (%1) von ZUD-Software ist verfügbar. Möchten Sie diese herunterladen?</source>
        <translation>Une nouvelle version (%1) de ZUD-Software est disponible. Voulez-vous la télécharger ?</translation>
    </message>
    <message>
        <source>Die Anwendung ist bereits auf dem neuesten Stand.</source>
        <translation>L&apos;application est déjà à jour.</translation>
    </message>
    <message>
        <source>Zuletzt verwendet</source>
        <translation>Utilisés récemment</translation>
    </message>
    <message>
        <source>Alle Patienten</source>
        <translation>Tous les patients</translation>
    </message>
    <message>
        <source>auswählen...</source>
        <translation>sélectionner...</translation>
    </message>
    <message>
        <source>Alle Übungen</source>
        <translation>Tous les exercices</translation>
    </message>
    <message>
        <source>CSV-Dateien (*.csv)</source>
        <translation>Fichiers CSV (*.csv)</translation>
    </message>
    <message>
        <source>Es gibt Echtzeit-Aufnahmen, die noch nicht gespeichert sind (Anzahl: %1). Sie gehen verloren. Trotzdem fortfahren?</source>
        <translation>Des enregistrements en temps réel ne sont pas encore sauvegardés (nombre : %1). Ils seront perdus. Continuer quand même ?</translation>
    </message>
    <message>
        <source>Backups (*.bak3)</source>
        <translation>Sauvegardes (*.bak3)</translation>
    </message>
    <message>
        <source>Patienten- und Messdaten werden von den gesicherten Daten ersetzt. Möchten Sie fortfahren?</source>
        <translation>Les données des patients et des mesures seront remplacées par les données sauvegardées. Voulez-vous continuer ?</translation>
    </message>
    <message>
        <source>Möchten Sie die Daten aus der Vorgängerversion übernehmen?</source>
        <translation>Voulez-vous reprendre les données de la version précédente ?</translation>
    </message>
    <message>
        <source>Importieren</source>
        <translation>Importer</translation>
    </message>
    <message>
        <source>Die Echtzeitmessung wurde beendet: das Gerät sendet keine Daten mehr.</source>
        <translation>La mesure en temps réel est terminée&#xa0;: l&apos;appareil n&apos;envoie plus de données.</translation>
    </message>
    <message>
        <source>Das Gerät hat die Echtzeitmessung nicht gestartet.</source>
        <translation>L&apos;appareil n&apos;a pas démarré la mesure en temps réel.</translation>
    </message>
    <message>
        <source>Lesen Sie mit „Übungen auslesen“ (Strg+R) die Übungen des Geräts ein, oder wählen Sie unter „Patienten“ einen Patienten und öffnen Sie eine seiner Übungen.</source>
        <translation>Lisez les exercices de l&apos;appareil avec « Lire les exercices » (Ctrl+R), ou choisissez un patient sous « Patients » et ouvrez l&apos;un de ses exercices.</translation>
    </message>
    <message>
        <source>Rohdaten gespeichert: %1</source>
        <translation>Données brutes enregistrées&#xa0;: %1</translation>
    </message>
    <message>
        <source>Diese Echtzeit-Aufnahme (%1) ist noch nicht gespeichert und geht verloren. Trotzdem schließen?</source>
        <translation>Cet enregistrement en temps réel (%1) n’est pas encore enregistré et sera perdu. Fermer quand même ?</translation>
    </message>
    <message>
        <source>Übung vom %1 wirklich löschen?</source>
        <translation>Supprimer vraiment l’exercice du %1 ?</translation>
    </message>
    <message>
        <source>Beim letzten Programmende waren Echtzeit-Aufnahmen nicht gespeichert (Anzahl: %1). Sie wurden aufbewahrt und sind als „*Neu“ geöffnet: Wählen Sie einen Patienten und speichern Sie sie.</source>
        <translation>Des enregistrements en temps réel n’étaient pas sauvegardés à la dernière fermeture du programme (nombre : %1). Ils ont été conservés et sont ouverts comme « *Neu » : choisissez un patient et enregistrez-les.</translation>
    </message>
    <message>
        <source>Ton</source>
        <translation>Son</translation>
    </message>
    <message>
        <source>Ton während der Echtzeitmessung: Er erklingt, solange der Messwert in Anspannphasen über und in Entspannphasen unter der Schwelle liegt.</source>
        <translation>Son pendant la mesure en temps réel&#xa0;: il retentit tant que la valeur mesurée est au-dessus du seuil dans les phases de contraction et en dessous dans les phases de relâchement.</translation>
    </message>
    <message>
        <source>Kein Audioausgabegerät gefunden: Der Ton der Echtzeitmessung bleibt stumm.</source>
        <translation>Aucun périphérique de sortie audio trouvé&#xa0;: le son de la mesure en temps réel reste muet.</translation>
    </message>
    <message>
        <source>Lautstärke</source>
        <translation>Volume</translation>
    </message>
    <message>
        <source>Lautstärke des Tons: %1 %</source>
        <translation>Volume du son&#xa0;: %1&#xa0;%</translation>
    </message>
    <message>
        <source>Die Datenbank wurde gesichert in die Datei:
%1</source>
        <translation>La base de données a été sauvegardée dans le fichier :
%1</translation>
    </message>
    <message>
        <source>Übung schließen</source>
        <translation>Fermer l&apos;exercice</translation>
    </message>
    <message>
        <source>Sonstige Einstellungen</source>
        <translation>Autres paramètres</translation>
    </message>
    <message>
        <source>Übung als PDF speichern</source>
        <translation>Enregistrer l&apos;exercice en PDF</translation>
    </message>
    <message>
        <source>An Praxissoftware senden</source>
        <translation>Envoyer au logiciel du cabinet</translation>
    </message>
    <message>
        <source>Als EDF+ exportieren</source>
        <translation>Exporter en EDF+</translation>
    </message>
    <message>
        <source>Alle Übungen als EDF+ exportieren</source>
        <translation>Exporter tous les exercices en EDF+</translation>
    </message>
    <message>
        <source>GDT-Einstellungen</source>
        <translation>Paramètres GDT</translation>
    </message>
    <message>
        <source>Praxissoftware</source>
        <translation>Logiciel du cabinet</translation>
    </message>
    <message>
        <source>Ergebnis an die Praxissoftware gesendet: %1</source>
        <translation>Résultat envoyé au logiciel du cabinet : %1</translation>
    </message>
    <message>
        <source>Das Ergebnis konnte nicht an die Praxissoftware gesendet werden: %1</source>
        <translation>Le résultat n’a pas pu être envoyé au logiciel du cabinet : %1</translation>
    </message>
    <message>
        <source>EDF+-Dateien (*.edf)</source>
        <translation>Fichiers EDF+ (*.edf)</translation>
    </message>
    <message>
        <source>Ordner für die EDF+-Dateien</source>
        <translation>Dossier pour les fichiers EDF+</translation>
    </message>
    <message>
        <source>%1 Übung(en) als EDF+ gespeichert: %2</source>
        <translation>%1 exercice(s) enregistré(s) en EDF+ : %2</translation>
    </message>
    <message>
        <source>%1 (nicht gefunden)</source>
        <translation>%1 (introuvable)</translation>
    </message>
    <message>
        <source>Die Datenbank wurde wiederhergestellt aus der Datei:
%1</source>
        <translation>La base de données a été restaurée à partir du fichier :
%1</translation>
    </message>
    <message>
        <source>Die Echtzeit-Aufnahme für %1 speichern?</source>
        <translation>Sauvegarder l’enregistrement en temps réel pour %1&#xa0;?</translation>
    </message>
    <message numerus="yes">
        <source>Übertragen: %n Dateien</source>
        <translation>
            <numerusform>Transféré : %n fichier</numerusform>
            <numerusform>Transférés : %n fichiers</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 Ergebnisse an die Praxissoftware gesendet: %2</source>
        <translation>%1 résultats envoyés au logiciel du cabinet : %2</translation>
    </message>
    <message>
        <source>Von %1 Ergebnissen wurden %2 an die Praxissoftware gesendet, die übrigen nicht: %3</source>
        <translation>Sur %1 résultats, %2 ont été envoyés au logiciel du cabinet, les autres non : %3</translation>
    </message>
    <message>
        <source>Erneut verbinden</source>
        <translation>Se reconnecter</translation>
    </message>
    <message>
        <source>Die Verbindung zum Datenbankserver neu aufbauen, etwa nachdem der Server neu gestartet wurde.</source>
        <translation>Rétablir la connexion au serveur de base de données, par exemple après un redémarrage du serveur.</translation>
    </message>
    <message>
        <source>Die Verbindung zum Datenbankserver steht wieder.</source>
        <translation>La connexion au serveur de base de données est rétablie.</translation>
    </message>
</context>
<context>
    <name>zud::ui::MoveRecordingDialog</name>
    <message>
        <source>Verschieben</source>
        <translation>Déplacer</translation>
    </message>
    <message>
        <source>Verschieben von Messung:</source>
        <translation>Déplacer l&apos;enregistrement :</translation>
    </message>
    <message>
        <source>Von Patient:</source>
        <translation>Du patient :</translation>
    </message>
    <message>
        <source>Zu Patient:</source>
        <translation>Au patient :</translation>
    </message>
    <message>
        <source>Nicht mehr anzeigen</source>
        <translation>Ne plus afficher</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>zud::ui::NewPasswordDialog</name>
    <message>
        <source>Passwort ändern</source>
        <translation>Modifier le mot de passe</translation>
    </message>
    <message>
        <source>Neues Passwort:</source>
        <translation>Nouveau mot de passe :</translation>
    </message>
    <message>
        <source>Neues Passwort wiederholen:</source>
        <translation>Confirmer le nouveau mot de passe :</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>zud::ui::OutputWindow</name>
    <message>
        <source>Ausgabe</source>
        <translation>Sortie</translation>
    </message>
    <message>
        <source>Fenster</source>
        <translation>Fenêtre</translation>
    </message>
    <message>
        <source>Drucken</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>PDF</source>
        <translation>PDF</translation>
    </message>
    <message>
        <source>Zurück</source>
        <translation>Retour</translation>
    </message>
</context>
<context>
    <name>zud::ui::PatientDialog</name>
    <message>
        <source>Patient ändern</source>
        <translation>Modifier le patient</translation>
    </message>
    <message>
        <source>Patient hinzufügen</source>
        <translation>Ajouter un patient</translation>
    </message>
    <message>
        <source>Zurück</source>
        <translation>Retour</translation>
    </message>
    <message>
        <source>Ändern</source>
        <translation>Modifier</translation>
    </message>
    <message>
        <source>Hinzufügen</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>Vorname:</source>
        <translation>Prénom :</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nom :</translation>
    </message>
    <message>
        <source>Geburtsdatum:</source>
        <translation>Date de naissance :</translation>
    </message>
    <message>
        <source>PLZ</source>
        <translation>Code postal</translation>
    </message>
    <message>
        <source>Straße:</source>
        <translation>Rue :</translation>
    </message>
    <message>
        <source>Wohnort:</source>
        <translation>Ville :</translation>
    </message>
    <message>
        <source>Telefon:</source>
        <translation>Téléphone :</translation>
    </message>
    <message>
        <source>Fax:</source>
        <translation>Fax :</translation>
    </message>
    <message>
        <source>E-Mail:</source>
        <translation>E-mail :</translation>
    </message>
    <message>
        <source>Krankenkasse:</source>
        <translation>Caisse d&apos;assurance maladie :</translation>
    </message>
    <message>
        <source>Versicherten-Nr.:</source>
        <translation>N° d&apos;assuré :</translation>
    </message>
    <message>
        <source>Patienten-ID:</source>
        <translation>ID patient :</translation>
    </message>
    <message>
        <source>Gewicht [kg]:</source>
        <translation>Poids [kg] :</translation>
    </message>
    <message>
        <source>Größe [cm]</source>
        <translation>Taille [cm]</translation>
    </message>
    <message>
        <source>Geschlecht:</source>
        <translation>Sexe :</translation>
    </message>
    <message>
        <source>weiblich</source>
        <translation>féminin</translation>
    </message>
    <message>
        <source>männlich</source>
        <translation>masculin</translation>
    </message>
    <message>
        <source>Patient</source>
        <translation>Patient</translation>
    </message>
    <message>
        <source>Fehler: Patient bereits vorhanden!</source>
        <translation>Erreur : ce patient existe déjà !</translation>
    </message>
    <message>
        <source>Fehler: Die fettgedruckten Felder sind Pflichtfelder!</source>
        <translation>Erreur : les champs en gras sont obligatoires !</translation>
    </message>
    <message>
        <source>Fehler: „%1“ ist kein gültiges Geburtsdatum. Bitte das Datum so eingeben: %2.</source>
        <translation>Erreur&#xa0;: «&#xa0;%1&#xa0;» n’est pas une date de naissance valide. Veuillez saisir la date ainsi&#xa0;: %2.</translation>
    </message>
    <message>
        <source>Fehler: Das Geburtsdatum fehlt: Das heutige Datum gilt als nicht angegeben. Bitte das Geburtsdatum des Patienten eingeben.</source>
        <translation>Erreur&#xa0;: la date de naissance manque&#xa0;: la date du jour compte comme non renseignée. Veuillez saisir la date de naissance du patient.</translation>
    </message>
    <message>
        <source>Fehler: Das Geburtsdatum %1 ist nicht möglich: Es muss zwischen dem %2 und heute liegen.</source>
        <translation>Erreur&#xa0;: la date de naissance %1 est impossible&#xa0;: elle doit être comprise entre le %2 et aujourd’hui.</translation>
    </message>
</context>
<context>
    <name>zud::ui::PatientModel</name>
    <message>
        <source>weiblich</source>
        <translation>féminin</translation>
    </message>
    <message>
        <source>männlich</source>
        <translation>masculin</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Vorname</source>
        <translation>Prénom</translation>
    </message>
    <message>
        <source>Geburtstag</source>
        <translation>Date de naissance</translation>
    </message>
    <message>
        <source>PLZ</source>
        <translation>Code postal</translation>
    </message>
    <message>
        <source>Wohnort</source>
        <translation>Ville</translation>
    </message>
    <message>
        <source>Straße</source>
        <translation>Rue</translation>
    </message>
    <message>
        <source>Patientennummer</source>
        <translation>Numéro de patient</translation>
    </message>
    <message>
        <source>Krankenkasse</source>
        <translation>Caisse d&apos;assurance maladie</translation>
    </message>
    <message>
        <source>Versicherungsnummer</source>
        <translation>Numéro d&apos;assuré</translation>
    </message>
    <message>
        <source>Telefon</source>
        <translation>Téléphone</translation>
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
        <translation>Taille</translation>
    </message>
    <message>
        <source>Gewicht</source>
        <translation>Poids</translation>
    </message>
    <message>
        <source>Geschlecht</source>
        <translation>Sexe</translation>
    </message>
</context>
<context>
    <name>zud::ui::PatientSelectionWindow</name>
    <message>
        <source>Patientensuche</source>
        <translation>Recherche de patients</translation>
    </message>
    <message>
        <source>Bitte Suchtext eingeben:</source>
        <translation>Veuillez saisir le texte à rechercher :</translation>
    </message>
    <message>
        <source>Patienten</source>
        <translation>Patients</translation>
    </message>
    <message>
        <source>Auswählen</source>
        <translation>Sélectionner</translation>
    </message>
    <message>
        <source>Neu</source>
        <translation>Nouveau</translation>
    </message>
    <message>
        <source>Bearbeiten</source>
        <translation>Modifier</translation>
    </message>
    <message>
        <source>Suchen</source>
        <translation>Rechercher</translation>
    </message>
    <message>
        <source>Löschen</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Zurück</source>
        <translation>Retour</translation>
    </message>
    <message>
        <source>Der Patient wurde inzwischen an einem anderen Arbeitsplatz gelöscht.</source>
        <translation>Le patient a été supprimé entre-temps sur un autre poste de travail.</translation>
    </message>
    <message>
        <source>Patient „%1“ wirklich löschen?</source>
        <translation>Supprimer vraiment le patient « %1 » ?</translation>
    </message>
    <message>
        <source>Zum Patienten „%1“ sind Übungen gespeichert (Anzahl: %2). Sollen sie ebenfalls gelöscht werden?

Bei „Nein“ bleiben sie in der Datenbank, sind aber keinem Patienten mehr zugeordnet.</source>
        <translation>Des exercices sont enregistrés pour le patient « %1 » (nombre : %2). Faut-il les supprimer également ?

Avec « Non », ils restent dans la base de données mais ne sont plus attribués à aucun patient.</translation>
    </message>
</context>
<context>
    <name>zud::ui::PrintPreviewWindow</name>
    <message>
        <source>Bemerkungen</source>
        <translation>Remarques</translation>
    </message>
    <message>
        <source>Druckvorschau</source>
        <translation>Aperçu avant impression</translation>
    </message>
    <message>
        <source>Ausgabe</source>
        <translation>Sortie</translation>
    </message>
    <message>
        <source>Seite</source>
        <translation>Page</translation>
    </message>
    <message>
        <source>Fenster</source>
        <translation>Fenêtre</translation>
    </message>
    <message>
        <source>Drucken</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>PDF</source>
        <translation>PDF</translation>
    </message>
    <message>
        <source>Eine Übung</source>
        <translation>Un exercice</translation>
    </message>
    <message>
        <source>Zwei Übungen</source>
        <translation>Deux exercices</translation>
    </message>
    <message>
        <source>Zurück</source>
        <translation>Retour</translation>
    </message>
    <message>
        <source>Übung1</source>
        <translation>Exercice 1</translation>
    </message>
    <message>
        <source>Übung2</source>
        <translation>Exercice 2</translation>
    </message>
    <message>
        <source>Druckvorschau als PDF speichern</source>
        <translation>Enregistrer l&apos;aperçu avant impression en PDF</translation>
    </message>
</context>
<context>
    <name>zud::ui::ProgrammingWindow</name>
    <message>
        <source>Zurück</source>
        <translation>Retour</translation>
    </message>
    <message>
        <source>Therapeut ändern</source>
        <translation>Modifier le thérapeute</translation>
    </message>
    <message>
        <source>Alle entfernen</source>
        <translation>Tout supprimer</translation>
    </message>
    <message>
        <source>Zuweisen</source>
        <translation>Attribuer</translation>
    </message>
    <message>
        <source>Entfernen</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Speichern</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Öffnen</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>Systemparameter</source>
        <translation>Paramètres système</translation>
    </message>
    <message>
        <source>Übertragen</source>
        <translation>Transférer</translation>
    </message>
    <message>
        <source>Parameter kopieren</source>
        <translation>Copier les paramètres</translation>
    </message>
    <message>
        <source>Parameter einfügen</source>
        <translation>Coller les paramètres</translation>
    </message>
    <message>
        <source>Allgemein</source>
        <translation>Général</translation>
    </message>
    <message>
        <source>Therapeut</source>
        <translation>Thérapeute</translation>
    </message>
    <message>
        <source>Patient</source>
        <translation>Patient</translation>
    </message>
    <message>
        <source>Parameter</source>
        <translation>Paramètres</translation>
    </message>
    <message>
        <source>Therapeuten</source>
        <translation>Thérapeutes</translation>
    </message>
    <message>
        <source>Patienten</source>
        <translation>Patients</translation>
    </message>
    <message>
        <source>Alle Übungen des Patienten löschen</source>
        <translation>Supprimer tous les exercices du patient</translation>
    </message>
    <message>
        <source>Programm %1</source>
        <translation>Programme %1</translation>
    </message>
    <message>
        <source>Anzeigename (max. 25 Zeichen):</source>
        <translation>Nom affiché (25 caractères max.) :</translation>
    </message>
    <message>
        <source>Betriebsart:</source>
        <translation>Mode de fonctionnement :</translation>
    </message>
    <message>
        <source>Aktiviert</source>
        <translation>Activé</translation>
    </message>
    <message>
        <source>Mittelfrequenz:</source>
        <translation>Moyenne fréquence :</translation>
    </message>
    <message>
        <source>Anspannzeit[s]:</source>
        <translation>Temps de contraction[s] :</translation>
    </message>
    <message>
        <source>Entspannzeit[s]:</source>
        <translation>Temps de relâchement[s] :</translation>
    </message>
    <message>
        <source>Stromzeit[s]:</source>
        <translation>Temps de courant[s] :</translation>
    </message>
    <message>
        <source>Pausenzeit[s]:</source>
        <translation>Temps de pause[s] :</translation>
    </message>
    <message>
        <source>Übungsdauer[1-60min,Dauer]:</source>
        <translation>Durée d&apos;exercice[1-60min,Continu] :</translation>
    </message>
    <message>
        <source>Frequenz1[Hz]:</source>
        <translation>Fréquence1[Hz] :</translation>
    </message>
    <message>
        <source>Frequenz2[Hz]:</source>
        <translation>Fréquence2[Hz] :</translation>
    </message>
    <message>
        <source>Impulsbreite1 [40-500µs]:</source>
        <translation>Largeur d&apos;impulsion1 [40-500µs] :</translation>
    </message>
    <message>
        <source>Impulsbreite2 [40-500µs]:</source>
        <translation>Largeur d&apos;impulsion2 [40-500µs] :</translation>
    </message>
    <message>
        <source>Anschwellzeit [s]:</source>
        <translation>Temps de montée [s] :</translation>
    </message>
    <message>
        <source>Abschwellzeit [s]:</source>
        <translation>Temps de descente [s] :</translation>
    </message>
    <message>
        <source>Zeiten</source>
        <translation>Temps</translation>
    </message>
    <message>
        <source>Stimulations-Parameter</source>
        <translation>Paramètres de stimulation</translation>
    </message>
    <message>
        <source>Elektrodenposition</source>
        <translation>Position des électrodes</translation>
    </message>
    <message>
        <source>Programmfolge</source>
        <translation>Séquence de programmes</translation>
    </message>
    <message>
        <source>Programmierung</source>
        <translation>Programmation</translation>
    </message>
    <message>
        <source>Therapeut %1</source>
        <translation>Thérapeute %1</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nom :</translation>
    </message>
    <message>
        <source>Vorname:</source>
        <translation>Prénom :</translation>
    </message>
    <message>
        <source>Patient %1</source>
        <translation>Patient %1</translation>
    </message>
    <message>
        <source>Keine Patientendaten</source>
        <translation>Aucune donnée patient</translation>
    </message>
    <message>
        <source>Geburtsdatum:</source>
        <translation>Date de naissance :</translation>
    </message>
    <message>
        <source>Position %1</source>
        <translation>Position %1</translation>
    </message>
    <message>
        <source>Parameter-Dateien (*.zud)</source>
        <translation>Fichiers de paramètres (*.zud)</translation>
    </message>
    <message>
        <source>Die Datei ist keine vollständige Parameter-Datei: %1 von 36 Programmsätzen wurden übernommen, die Systemparameter nicht.</source>
        <translation>Le fichier n&apos;est pas un fichier de paramètres complet : %1 des 36 jeux de programmes ont été repris, les paramètres système non.</translation>
    </message>
    <message>
        <source>Alle Übungen des Patienten werden gelöscht!
Sind Sie sicher?</source>
        <translation>Tous les exercices du patient seront supprimés !
Êtes-vous sûr ?</translation>
    </message>
    <message>
        <source>Änderungen verwerfen?</source>
        <translation>Abandonner les modifications ?</translation>
    </message>
</context>
<context>
    <name>zud::ui::ProgressChartWindow</name>
    <message>
        <source>Verlauf</source>
        <translation>Évolution</translation>
    </message>
    <message>
        <source>Verlauf als PDF speichern</source>
        <translation>Enregistrer l&apos;évolution en PDF</translation>
    </message>
</context>
<context>
    <name>zud::ui::ReadoutWindow</name>
    <message>
        <source>Zurück</source>
        <translation>Retour</translation>
    </message>
    <message>
        <source>Auslesen</source>
        <translation>Lire</translation>
    </message>
    <message>
        <source>Alle auswählen</source>
        <translation>Tout sélectionner</translation>
    </message>
    <message>
        <source>Keine auswählen</source>
        <translation>Ne rien sélectionner</translation>
    </message>
    <message>
        <source>Übungen nach dem Auslesen löschen</source>
        <translation>Supprimer les exercices après la lecture</translation>
    </message>
    <message>
        <source>Zuweisen</source>
        <translation>Attribuer</translation>
    </message>
    <message>
        <source>Importieren</source>
        <translation>Importer</translation>
    </message>
    <message>
        <source>Allgemein</source>
        <translation>Général</translation>
    </message>
    <message>
        <source>Übungen</source>
        <translation>Exercices</translation>
    </message>
    <message>
        <source>Patient</source>
        <translation>Patient</translation>
    </message>
    <message>
        <source>Therapeuten</source>
        <translation>Thérapeutes</translation>
    </message>
    <message>
        <source>Patienten</source>
        <translation>Patients</translation>
    </message>
    <message>
        <source>Übungsdaten auslesen</source>
        <translation>Lire les données d&apos;exercice</translation>
    </message>
    <message>
        <source>Therapeut %1</source>
        <translation>Thérapeute %1</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nom&#xa0;:</translation>
    </message>
    <message>
        <source>Vorname:</source>
        <translation>Prénom&#xa0;:</translation>
    </message>
    <message>
        <source>Keine Patientendaten</source>
        <translation>Aucune donnée patient</translation>
    </message>
    <message>
        <source>Patient %1 (%2)</source>
        <translation>Patient %1 (%2)</translation>
    </message>
    <message>
        <source>nicht zugewiesen</source>
        <translation>non attribué</translation>
    </message>
    <message>
        <source>geb. am:</source>
        <translation>Né(e) le&#xa0;:</translation>
    </message>
    <message>
        <source>Patient %1</source>
        <translation>Patient %1</translation>
    </message>
    <message>
        <source>unvollständig</source>
        <translation>incomplet</translation>
    </message>
    <message>
        <source>Ohne angemeldete Datenbank kann kein Patient angelegt werden.</source>
        <translation>Sans connexion à la base de données, aucun patient ne peut être créé.</translation>
    </message>
    <message>
        <source>Name, Vorname und Geburtsdatum dieses Gerätepatienten sind vollständig: beim Auslesen wird er in der Datenbank gefunden oder neu angelegt. Mit „Zuweisen“ ordnen Sie ihn einem anderen Patienten zu.</source>
        <translation>Le nom, le prénom et la date de naissance de ce patient de l’appareil sont complets&#xa0;: la lecture le trouve dans la base de données ou le crée. Avec «&#xa0;Attribuer&#xa0;», vous l’associez à un autre patient.</translation>
    </message>
    <message>
        <source>Dieser Gerätepatient hat keine Daten, die übernommen werden könnten. Wählen Sie mit „Zuweisen“ einen Patienten der Datenbank.</source>
        <translation>Ce patient de l’appareil n’a aucune donnée à reprendre. Choisissez un patient de la base de données avec «&#xa0;Attribuer&#xa0;».</translation>
    </message>
    <message>
        <source>Ohne angemeldete Datenbank kann kein Patient zugewiesen werden.</source>
        <translation>Sans connexion à la base de données, aucun patient ne peut être attribué.</translation>
    </message>
    <message>
        <source>An Praxissoftware senden</source>
        <translation>Envoyer au logiciel du cabinet</translation>
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
        <translation>Heure</translation>
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
        <translation>Nom du programme</translation>
    </message>
</context>
<context>
    <name>zud::ui::RecordingSelectionWindow</name>
    <message>
        <source>Übung wählen</source>
        <translation>Choisir un exercice</translation>
    </message>
    <message>
        <source>Auswählen</source>
        <translation>Sélectionner</translation>
    </message>
    <message>
        <source>Löschen</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Zurück</source>
        <translation>Retour</translation>
    </message>
    <message>
        <source>Übungen</source>
        <translation>Exercices</translation>
    </message>
    <message>
        <source>Übung vom %1 %2 wirklich löschen?</source>
        <translation>Supprimer vraiment l’exercice du %1 %2 ?</translation>
    </message>
</context>
<context>
    <name>zud::ui::RemarksDialog</name>
    <message>
        <source>Bemerkungen hinzufügen/ändern</source>
        <translation>Ajouter/modifier les remarques</translation>
    </message>
    <message>
        <source>Hinzufügen/Ändern</source>
        <translation>Ajouter/Modifier</translation>
    </message>
    <message>
        <source>Zurück</source>
        <translation>Retour</translation>
    </message>
    <message>
        <source>Bemerkungen</source>
        <translation>Remarques</translation>
    </message>
</context>
<context>
    <name>zud::ui::RibbonDialog</name>
    <message>
        <source>Allgemein</source>
        <translation>Général</translation>
    </message>
</context>
<context>
    <name>zud::ui::SplashScreen</name>
    <message>
        <source>Begleitprogramm zum Therapiegerät ZUD12</source>
        <translation>Logiciel compagnon de l&apos;appareil de thérapie ZUD12</translation>
    </message>
</context>
<context>
    <name>zud::ui::StatisticsWindow</name>
    <message>
        <source>Statistik</source>
        <translation>Statistiques</translation>
    </message>
    <message>
        <source>Ausgabe</source>
        <translation>Sortie</translation>
    </message>
    <message>
        <source>Fenster</source>
        <translation>Fenêtre</translation>
    </message>
    <message>
        <source>Drucken</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>PDF</source>
        <translation>PDF</translation>
    </message>
    <message>
        <source>Gesamte Statistik drucken</source>
        <translation>Imprimer toutes les statistiques</translation>
    </message>
    <message>
        <source>Zusammenfassung drucken</source>
        <translation>Imprimer le résumé</translation>
    </message>
    <message>
        <source>Gesamte Statistik als PDF</source>
        <translation>Toutes les statistiques en PDF</translation>
    </message>
    <message>
        <source>Zusammenfassung als PDF</source>
        <translation>Résumé en PDF</translation>
    </message>
    <message>
        <source>Verlauf</source>
        <translation>Évolution</translation>
    </message>
    <message>
        <source>Zusammenfassung</source>
        <translation>Résumé</translation>
    </message>
    <message>
        <source>Zurück</source>
        <translation>Retour</translation>
    </message>
    <message>
        <source>Statistik als PDF speichern</source>
        <translation>Enregistrer les statistiques en PDF</translation>
    </message>
    <message>
        <source>Therapie-Zusammenfassung als PDF speichern</source>
        <translation>Enregistrer le résumé de la thérapie en PDF</translation>
    </message>
</context>
<context>
    <name>zud::ui::SummaryWindow</name>
    <message>
        <source>Therapie-Zusammenfassung</source>
        <translation>Résumé de la thérapie</translation>
    </message>
    <message>
        <source>Therapie-Zusammenfassung als PDF speichern</source>
        <translation>Enregistrer le résumé de la thérapie en PDF</translation>
    </message>
</context>
<context>
    <name>zud::ui::SystemParametersDialog</name>
    <message>
        <source>Systemparameter</source>
        <translation>Paramètres système</translation>
    </message>
    <message>
        <source>Zurück</source>
        <translation>Retour</translation>
    </message>
    <message>
        <source>Übernehmen</source>
        <translation>Appliquer</translation>
    </message>
    <message>
        <source>Allgemein</source>
        <translation>Général</translation>
    </message>
    <message>
        <source>Parameter</source>
        <translation>Paramètres</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Système</translation>
    </message>
    <message>
        <source>EMG</source>
        <translation>EMG</translation>
    </message>
    <message>
        <source>Triggerung</source>
        <translation>Déclenchement</translation>
    </message>
    <message>
        <source>Admin</source>
        <translation>Admin</translation>
    </message>
    <message>
        <source>Helligkeit:</source>
        <translation>Luminosité :</translation>
    </message>
    <message>
        <source>Codeabfrage:</source>
        <translation>Demande de code :</translation>
    </message>
    <message>
        <source>Patientenauswahl:</source>
        <translation>Choix du patient :</translation>
    </message>
    <message>
        <source>Tastentöne:</source>
        <translation>Bips des touches :</translation>
    </message>
    <message>
        <source>Anzeige verriegeln:</source>
        <translation>Verrouiller l&apos;affichage :</translation>
    </message>
    <message>
        <source>Sprachausgabe:</source>
        <translation>Sortie vocale :</translation>
    </message>
    <message>
        <source>CCIP-Test:</source>
        <translation>Test CCIP :</translation>
    </message>
    <message>
        <source>EMG-Einstellung:</source>
        <translation>Réglage EMG :</translation>
    </message>
    <message>
        <source>EMG-Begrenzung:</source>
        <translation>Limite EMG :</translation>
    </message>
    <message>
        <source>EMG-Vertonung:</source>
        <translation>Sonorisation EMG :</translation>
    </message>
    <message>
        <source>EMG-Wert numerisch anzeigen:</source>
        <translation>Afficher la valeur EMG en chiffres :</translation>
    </message>
    <message>
        <source>EMG-Anzeige nach Strom:</source>
        <translation>Affichage EMG après courant :</translation>
    </message>
    <message>
        <source>Triggerzeitlimit [s]:</source>
        <translation>Limite de temps du déclenchement [s] :</translation>
    </message>
    <message>
        <source>Updaterate [s]:</source>
        <translation>Fréquence de mise à jour [s] :</translation>
    </message>
    <message>
        <source>Triggerbegrenzung:</source>
        <translation>Limitation du déclenchement :</translation>
    </message>
    <message>
        <source>Triggerautomatik:</source>
        <translation>Déclenchement automatique :</translation>
    </message>
    <message>
        <source>Einheit Druck:</source>
        <translation>Unité de pression :</translation>
    </message>
    <message>
        <source>Code am Gerät (4-stellig,1..9):</source>
        <translation>Code de l&apos;appareil (4 chiffres, 1..9) :</translation>
    </message>
    <message>
        <source>Bluetooth</source>
        <translation>Bluetooth</translation>
    </message>
    <message>
        <source>Als Werkseinstellungen speichern:</source>
        <translation>Enregistrer comme réglages d&apos;usine :</translation>
    </message>
    <message>
        <source>Werkseinstellungen:</source>
        <translation>Réglages d&apos;usine :</translation>
    </message>
    <message>
        <source>Es werden die Programmparameter von Therapeut 1 / Patient 1 als Standard-Programme für die Werkseinstellungen gespeichert.</source>
        <translation>Les paramètres de programme du thérapeute 1 / patient 1 sont enregistrés comme programmes standard des réglages d&apos;usine.</translation>
    </message>
    <message>
        <source>Beim Programmieren wird das System auf Werkseinstellungen zurückgesetzt. Alle Programme werden überschrieben, die Parameter zurückgesetzt und alle Übungen gelöscht.</source>
        <translation>Lors de la programmation, le système est remis aux réglages d&apos;usine. Tous les programmes sont écrasés, les paramètres réinitialisés et tous les exercices supprimés.</translation>
    </message>
    <message>
        <source>Manuell</source>
        <translation>Manuel</translation>
    </message>
    <message>
        <source>Halbautomatisch</source>
        <translation>Semi-automatique</translation>
    </message>
    <message>
        <source>Automatisch</source>
        <translation>Automatique</translation>
    </message>
    <message>
        <source>Änderungen verwerfen?</source>
        <translation>Abandonner les modifications ?</translation>
    </message>
</context>
<context>
    <name>zud::ui::TherapistChangeDialog</name>
    <message>
        <source>Therapeut ändern</source>
        <translation>Modifier le thérapeute</translation>
    </message>
    <message>
        <source>Zurück</source>
        <translation>Retour</translation>
    </message>
    <message>
        <source>Vorname:</source>
        <translation>Prénom :</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nom :</translation>
    </message>
    <message>
        <source>Therapeut</source>
        <translation>Thérapeute</translation>
    </message>
</context>
<context>
    <name>zud::ui::UserManagerWindow</name>
    <message>
        <source>Benutzer-Verwaltung</source>
        <translation>Gestion des utilisateurs</translation>
    </message>
    <message>
        <source>Aktion</source>
        <translation>Action</translation>
    </message>
    <message>
        <source>hinzufügen</source>
        <translation>ajouter</translation>
    </message>
    <message>
        <source>ändern</source>
        <translation>modifier</translation>
    </message>
    <message>
        <source>löschen</source>
        <translation>supprimer</translation>
    </message>
    <message>
        <source>Benutzername:</source>
        <translation>Nom d&apos;utilisateur :</translation>
    </message>
    <message>
        <source>Passwort:</source>
        <translation>Mot de passe :</translation>
    </message>
    <message>
        <source>Benutzer:</source>
        <translation>Utilisateur :</translation>
    </message>
    <message>
        <source>Benutzer hinzufügen</source>
        <translation>Ajouter un utilisateur</translation>
    </message>
    <message>
        <source>Passwort ändern</source>
        <translation>Modifier le mot de passe</translation>
    </message>
    <message>
        <source>Benutzer löschen</source>
        <translation>Supprimer l&apos;utilisateur</translation>
    </message>
    <message>
        <source>Datenbank-Login fehlgeschlagen</source>
        <translation>Échec de la connexion à la base de données</translation>
    </message>
    <message>
        <source>Aktion fehlgeschlagen (%1)</source>
        <translation>Échec de l&apos;action (%1)</translation>
    </message>
    <message>
        <source>Datenbank prüfen</source>
        <translation>Vérifier la base de données</translation>
    </message>
    <message>
        <source>Prüft die Datenbankdatei, jede Übung mit ihrem Patienten und Gerät, die Schlüssel und die Generatoren. Ändert nichts; andere Arbeitsplätze können weiterarbeiten.</source>
        <translation>Vérifie le fichier de base de données, chaque exercice avec son patient et son appareil, les clés et les générateurs. Ne modifie rien ; les autres postes peuvent continuer à travailler.</translation>
    </message>
    <message>
        <source>Die Datenbank wird geprüft …</source>
        <translation>Vérification de la base de données …</translation>
    </message>
    <message>
        <source>Die Datenbank konnte nicht geprüft werden.</source>
        <translation>La base de données n&apos;a pas pu être vérifiée.</translation>
    </message>
</context>
<context>
    <name>zud::ui::ZahlFeld</name>
    <message>
        <source>Der Wert im Feld „%1“ ist ungültig. Bitte eine ganze Zahl von %2 bis %3 eingeben.</source>
        <translation>La valeur du champ « %1 » n’est pas valide. Veuillez saisir un nombre entier de %2 à %3.</translation>
    </message>
</context>
<context>
    <name>zud::ui::ZehntelFeld</name>
    <message>
        <source>Der Wert im Feld „%1“ ist ungültig. Bitte eine Zahl von %2 bis %3 eingeben.</source>
        <translation>La valeur du champ « %1 » n’est pas valide. Veuillez saisir un nombre de %2 à %3.</translation>
    </message>
</context>
</TS>
