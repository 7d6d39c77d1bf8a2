<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT" sourcelanguage="de">
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
</TS>
