<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU" sourcelanguage="en">
<context>
    <name>BrushControls</name>
    <message>
        <source>Square</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Round</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>None</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear stamp</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Flip horizontal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Flip vertical</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shape</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Airbrush density</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Airbrush radius</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transparent mix</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Brush from selection</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BrushPanel</name>
    <message>
        <source>Brush</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ImportImageDialog</name>
    <message>
        <source>8x%1, the picture&apos;s (File &gt; New or &quot;Change char size&quot; chooses another)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cell height:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Patterns</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Brush</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PatternsPanel</name>
    <message>
        <source>Patterns</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Second mix</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>INK0 + INK1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>INK0 + PAP1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PAP0 + INK1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PAP0 + PAP1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ReferenceController</name>
    <message>
        <source>Reference image...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show reference image</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reference panel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not writable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unreadable or damaged</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>References are not remembered: %1 is %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The reference image %1 is missing; the picture opened without it</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ReferencePanel</name>
    <message>
        <source>Reference</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opacity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cover</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scale</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>X</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Y</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>On the preview too</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ShapeOptionsControls</name>
    <message>
        <source>Filled shapes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mirror left-right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mirror top-bottom</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Patterns</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Brush</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Instruments</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TextController</name>
    <message>
        <source>Load font...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opaque text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Built-in font</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ViewModes</name>
    <message>
        <source>Low-flicker painting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Balance flicker</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>cs::StampView</name>
    <message>
        <source>No stamp</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Usage: chromasmith [--language en|ru] [PICTURE]
  or:  chromasmith --help | --version

Opens the editor of ZX Spectrum GigaScreen pictures, with PICTURE (any kind
the editor opens: .mgs, .mg1 ... .mg8, .scr, .img, .sna and the others of its
&quot;All pictures&quot; filter, in any case) loaded when one is named, else an empty
8x1 picture. Qt&apos;s own options (-platform, -style ...) are taken as well.

Options:
  --language L  speak English (en) or Russian (ru) whatever the locale says
  --help        show this text
  --version     print the program&apos;s version
</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
