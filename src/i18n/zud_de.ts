<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="de">
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
</TS>
