<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL" sourcelanguage="de">
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
</TS>
