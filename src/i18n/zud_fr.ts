<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR" sourcelanguage="de">
<context>
    <name>CheckedFile</name>
    <message>
        <source>Datei kann nicht geschrieben werden: %1 (%2)</source>
        <translation>Impossible d&apos;écrire le fichier : %1 (%2)</translation>
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
</TS>
