<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="de">
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
</TS>
