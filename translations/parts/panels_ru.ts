<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU" sourcelanguage="en">
<context>
    <name>cs::AboutPanel</name>
    <message>
        <source>About</source>
        <translation>О программе</translation>
    </message>
    <message>
        <source>cross-editor zx multigigascreen graphics</source>
        <translation>кросс-редактор мультигигаскрин-графики ZX</translation>
    </message>
    <message>
        <source>version %1</source>
        <translation>версия %1</translation>
    </message>
</context>
<context>
    <name>cs::BrushControls</name>
    <message>
        <source>No stamp</source>
        <translation>Нет штампа</translation>
    </message>
    <message>
        <source>Square</source>
        <translation>Квадрат</translation>
    </message>
    <message>
        <source>Round</source>
        <translation>Круг</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Нет</translation>
    </message>
    <message>
        <source>Clear stamp</source>
        <translation>Очистить штамп</translation>
    </message>
    <message>
        <source>Flip horizontal</source>
        <translation>Отразить ↔</translation>
    </message>
    <message>
        <source>Flip vertical</source>
        <translation>Отразить ↕</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Размер</translation>
    </message>
    <message>
        <source>Shape</source>
        <translation>Форма</translation>
    </message>
    <message>
        <source>Airbrush density</source>
        <translation>Густота распыла</translation>
    </message>
    <message>
        <source>Airbrush radius</source>
        <translation>Радиус распыла</translation>
    </message>
    <message>
        <source>Transparent mix</source>
        <translation>Прозрачная смесь</translation>
    </message>
    <message>
        <source>Brush from selection</source>
        <translation>Кисть из выделения</translation>
    </message>
</context>
<context>
    <name>cs::BrushPanel</name>
    <message>
        <source>Brush</source>
        <translation>Кисть</translation>
    </message>
</context>
<context>
    <name>cs::CorrectorPanel</name>
    <message>
        <source>Flash on/off</source>
        <translation>Мигание (FLASH) вкл./выкл.</translation>
    </message>
    <message>
        <source>Invert All</source>
        <translation>Инв. всё</translation>
    </message>
    <message>
        <source>Invert RGB</source>
        <translation>Инв. RGB</translation>
    </message>
    <message>
        <source>Invert PIX</source>
        <translation>Инв. PIX</translation>
    </message>
    <message>
        <source>CopyR All</source>
        <translation>Всё →</translation>
    </message>
    <message>
        <source>CopyR RGB</source>
        <translation>RGB →</translation>
    </message>
    <message>
        <source>CopyR PIX</source>
        <translation>PIX →</translation>
    </message>
    <message>
        <source>CopyL All</source>
        <translation>← Всё</translation>
    </message>
    <message>
        <source>CopyL RGB</source>
        <translation>← RGB</translation>
    </message>
    <message>
        <source>CopyL PIX</source>
        <translation>← PIX</translation>
    </message>
    <message>
        <source>Exchange Chars between screens</source>
        <translation>Обменять знакоместа между экранами</translation>
    </message>
</context>
<context>
    <name>cs::CurrentColoursPanel</name>
    <message>
        <source>INK0 + INK1 (Use Hotkey &apos;1&apos;)</source>
        <translation>INK0 + INK1 (клавиша 1)</translation>
    </message>
    <message>
        <source>INK0 + PAP1 (Use Hotkey &apos;2&apos;)</source>
        <translation>INK0 + PAP1 (клавиша 2)</translation>
    </message>
    <message>
        <source>PAP0 + INK1 (Use Hotkey &apos;3&apos;)</source>
        <translation>PAP0 + INK1 (клавиша 3)</translation>
    </message>
    <message>
        <source>PAP0 + PAP1 (Use Hotkey &apos;4&apos;)</source>
        <translation>PAP0 + PAP1 (клавиша 4)</translation>
    </message>
</context>
<context>
    <name>cs::ExportPngPanel</name>
    <message>
        <source>Export to *.PNG</source>
        <translation>Экспорт в *.PNG</translation>
    </message>
    <message>
        <source>Select resolution and options:</source>
        <translation>Размер и параметры:</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
</context>
<context>
    <name>cs::ImportImageDialog</name>
    <message>
        <source>Import image</source>
        <translation>Импорт изображения</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Нет</translation>
    </message>
    <message>
        <source>Ordered</source>
        <translation>Упорядоченный</translation>
    </message>
    <message>
        <source>Error diffusion</source>
        <translation>Диффузия ошибки</translation>
    </message>
    <message>
        <source>Cover the picture (cut off the overhang)</source>
        <translation>Заполнить картинку (обрезать лишнее)</translation>
    </message>
    <message>
        <source>Fit inside the picture (black border)</source>
        <translation>Вписать в картинку (чёрные поля)</translation>
    </message>
    <message>
        <source>Balance flicker</source>
        <translation>Выровнять мерцание</translation>
    </message>
    <message>
        <source>8x%1, the picture&apos;s (File &gt; New or &quot;Change char size&quot; chooses another)</source>
        <translation>8x%1, как у картинки
(другую задают «Файл &gt; Создать» и «Изменить размер знакоместа»)</translation>
    </message>
    <message>
        <source>Cell height:</source>
        <translation>Высота знакоместа:</translation>
    </message>
    <message>
        <source>Dithering:</source>
        <translation>Дизеринг:</translation>
    </message>
    <message>
        <source>Diffusion strength:</source>
        <translation>Сила диффузии:</translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>Размер:</translation>
    </message>
    <message>
        <source>%1%</source>
        <translation>%1 %</translation>
    </message>
</context>
<context>
    <name>cs::PalettePanel</name>
    <message>
        <source>ZX Screen&apos;s Palette</source>
        <translation>Палитра экранов ZX</translation>
    </message>
    <message>
        <source>Flash on/off</source>
        <translation>Мигание (FLASH) вкл./выкл.</translation>
    </message>
    <message>
        <source>Char&apos;s Palette</source>
        <translation>Палитра знакоместа</translation>
    </message>
    <message>
        <source>INK0 + INK1</source>
        <translation>INK0 + INK1</translation>
    </message>
    <message>
        <source>INK0 + PAP1</source>
        <translation>INK0 + PAP1</translation>
    </message>
    <message>
        <source>PAP0 + INK1</source>
        <translation>PAP0 + INK1</translation>
    </message>
    <message>
        <source>PAP0 + PAP1</source>
        <translation>PAP0 + PAP1</translation>
    </message>
</context>
<context>
    <name>cs::PatternsPanel</name>
    <message>
        <source>Patterns</source>
        <translation>Узоры</translation>
    </message>
    <message>
        <source>Second mix</source>
        <translation>Вторая смесь</translation>
    </message>
    <message>
        <source>INK0 + INK1</source>
        <translation>INK0 + INK1</translation>
    </message>
    <message>
        <source>INK0 + PAP1</source>
        <translation>INK0 + PAP1</translation>
    </message>
    <message>
        <source>PAP0 + INK1</source>
        <translation>PAP0 + INK1</translation>
    </message>
    <message>
        <source>PAP0 + PAP1</source>
        <translation>PAP0 + PAP1</translation>
    </message>
</context>
<context>
    <name>cs::PreviewPanel</name>
    <message>
        <source>Preview and Zoom Selector</source>
        <translation>Предпросмотр и выбор масштаба</translation>
    </message>
</context>
<context>
    <name>cs::ReferenceController</name>
    <message>
        <source>Images and pictures</source>
        <translation>Изображения и картинки</translation>
    </message>
    <message>
        <source>Reference image...</source>
        <translation>Подложка...</translation>
    </message>
    <message>
        <source>Show reference image</source>
        <translation>Показать подложку</translation>
    </message>
    <message>
        <source>Reference panel</source>
        <translation>Панель подложки</translation>
    </message>
    <message>
        <source>References are not remembered: %1 is not writable</source>
        <translation>Подложки не запоминаются: %1 недоступен для записи</translation>
    </message>
    <message>
        <source>References are not remembered: %1 is unreadable or damaged</source>
        <translation>Подложки не запоминаются: %1 не читается или повреждён</translation>
    </message>
    <message>
        <source>The reference image %1 is missing; the picture opened without it</source>
        <translation>Подложка %1 не найдена; картинка открыта без неё</translation>
    </message>
</context>
<context>
    <name>cs::ReferencePanel</name>
    <message>
        <source>Reference</source>
        <translation>Подложка</translation>
    </message>
    <message>
        <source>Opacity</source>
        <translation>Непрозрачность</translation>
    </message>
    <message>
        <source>Fit</source>
        <translation>Вписать</translation>
    </message>
    <message>
        <source>Cover</source>
        <translation>Заполнить</translation>
    </message>
    <message>
        <source>Scale</source>
        <translation>Масштаб</translation>
    </message>
    <message>
        <source>X</source>
        <translation>X</translation>
    </message>
    <message>
        <source>Y</source>
        <translation>Y</translation>
    </message>
    <message>
        <source>On the preview too</source>
        <translation>И в предпросмотре</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>Двигать</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Убрать</translation>
    </message>
</context>
<context>
    <name>cs::SaveSelectionPanel</name>
    <message>
        <source>Save Selection</source>
        <translation>Сохранить выделение</translation>
    </message>
    <message>
        <source>Select pixel mode:</source>
        <translation>Порядок пикселей:</translation>
    </message>
    <message>
        <source>as screen (only full height)</source>
        <translation>как экран (только вся высота)</translation>
    </message>
    <message>
        <source>linear</source>
        <translation>линейно</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
</context>
<context>
    <name>cs::ShapeOptionsControls</name>
    <message>
        <source>Filled shapes</source>
        <translation>Фигуры с заливкой</translation>
    </message>
    <message>
        <source>Mirror left-right</source>
        <translation>Зеркало: лево-право</translation>
    </message>
    <message>
        <source>Mirror top-bottom</source>
        <translation>Зеркало: верх-низ</translation>
    </message>
    <message>
        <source>Patterns</source>
        <translation>Узоры</translation>
    </message>
    <message>
        <source>Brush</source>
        <translation>Кисть</translation>
    </message>
    <message>
        <source>Instruments</source>
        <translation>Инструменты</translation>
    </message>
</context>
<context>
    <name>cs::ZoomPreviewPanel</name>
    <message>
        <source>Preview Zoom</source>
        <translation>Лупа предпросмотра</translation>
    </message>
</context>
</TS>
