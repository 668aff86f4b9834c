<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>CTrackInfoDialog</name>
    <message numerus="yes">
        <source>Only the first %n file(s) were imported.</source>
        <translation>
            <numerusform>Only the first %n file was imported.</numerusform>
            <numerusform>Only the first %n files were imported.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The import was cancelled: %n track(s) read.</source>
        <translation>
            <numerusform>The import was cancelled: %n track read.</numerusform>
            <numerusform>The import was cancelled: %n tracks read.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n track(s) from music files.</source>
        <translation>
            <numerusform>%n track from music files.</numerusform>
            <numerusform>%n tracks from music files.</numerusform>
        </translation>
    </message>
</context>
</TS>
