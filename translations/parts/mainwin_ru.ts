<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU" sourcelanguage="en">
<context>
    <name>cs::HistoryController</name>
    <message>
        <source>New 8x%1</source>
        <translation>Новая картинка 8x%1</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Изменение</translation>
    </message>
    <message>
        <source>Step Backward (ALT+Z)</source>
        <translation>Шаг назад (ALT+Z)</translation>
    </message>
    <message>
        <source>Step Forward (ALT+SHIFT+Z)</source>
        <translation>Шаг вперёд (ALT+SHIFT+Z)</translation>
    </message>
    <message>
        <source>History (use hotkey &apos;Y&apos;)</source>
        <translation>История (клавиша Y)</translation>
    </message>
    <message>
        <source>No recovery copies: %1 (%2)</source>
        <translation>Копии для восстановления не сохраняются: %1 (%2)</translation>
    </message>
    <message>
        <source>Save changes to the new picture?</source>
        <translation>Сохранить изменения в новой картинке?</translation>
    </message>
    <message>
        <source>Save changes to %1?</source>
        <translation>Сохранить изменения в «%1»?</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Сохранить</translation>
    </message>
    <message>
        <source>Don&apos;t Save</source>
        <translation>Не сохранять</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Restore the unsaved picture from %1?</source>
        <translation>Восстановить несохранённую картинку от %1?</translation>
    </message>
    <message>
        <source>Unsaved picture</source>
        <translation>Несохранённая картинка</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Восстановить</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>Restore</source>
        <comment>the step of a restored picture</comment>
        <translation>Восстановление</translation>
    </message>
    <message>
        <source>Damaged recovery files were moved aside:
%1</source>
        <translation>Повреждённые файлы восстановления отложены в сторону:
%1</translation>
    </message>
</context>
<context>
    <name>cs::HistoryPanel</name>
    <message>
        <source>History</source>
        <translation>История</translation>
    </message>
</context>
<context>
    <name>cs::MainWindow</name>
    <message>
        <source>Zoom x%1</source>
        <translation>Масштаб x%1</translation>
    </message>
    <message>
        <source>PerChar Grid (use hotkey &apos;G&apos;)</source>
        <translation>Сетка знакомест (клавиша G)</translation>
    </message>
    <message>
        <source>PerPixel Grid (use hotkey &apos;H&apos;)</source>
        <translation>Сетка пикселей (клавиша H)</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Картинка</translation>
    </message>
    <message>
        <source>Unable to write to %1</source>
        <translation>Не удаётся записать в %1</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Ошибка</translation>
    </message>
    <message>
        <source>Corrector: %1</source>
        <translation>Цветокорректор: %1</translation>
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
        <source>Flip Horizontal</source>
        <translation>Отразить по горизонтали</translation>
    </message>
    <message>
        <source>Flip Vertical</source>
        <translation>Отразить по вертикали</translation>
    </message>
    <message>
        <source>Rotate 90` cw</source>
        <translation>Повернуть на 90° по часовой</translation>
    </message>
    <message>
        <source>Rotate pixels Right</source>
        <translation>Прокрутить пиксели вправо</translation>
    </message>
    <message>
        <source>Rotate pixels Left</source>
        <translation>Прокрутить пиксели влево</translation>
    </message>
    <message>
        <source>Rotate pixels Up</source>
        <translation>Прокрутить пиксели вверх</translation>
    </message>
    <message>
        <source>Rotate pixels Down</source>
        <translation>Прокрутить пиксели вниз</translation>
    </message>
    <message>
        <source>Transform</source>
        <translation>Преобразование</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Вставка</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Удаление</translation>
    </message>
    <message>
        <source>All pictures</source>
        <translation>Все картинки</translation>
    </message>
    <message>
        <source>New 8x%1</source>
        <translation>Новая картинка 8x%1</translation>
    </message>
    <message>
        <source>Convert to 8x%1</source>
        <translation>Преобразование в 8x%1</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>Файл %1 уже существует.
Заменить его?</translation>
    </message>
    <message>
        <source>Open %1</source>
        <translation>Открытие %1</translation>
    </message>
    <message>
        <source>Import %1</source>
        <translation>Импорт %1</translation>
    </message>
    <message>
        <source>Images</source>
        <translation>Изображения</translation>
    </message>
    <message>
        <source>Import image</source>
        <translation>Импорт изображения</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Файл</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Создать</translation>
    </message>
    <message>
        <source>8x8 Standart Gigascreen</source>
        <translation>8x8 обычный GigaScreen</translation>
    </message>
    <message>
        <source>8x4 MultiGigaScreen</source>
        <translation>8x4 MultiGigaScreen</translation>
    </message>
    <message>
        <source>8x2 MultiGigaScreen</source>
        <translation>8x2 MultiGigaScreen</translation>
    </message>
    <message>
        <source>8x1 MultiGigaScreen</source>
        <translation>8x1 MultiGigaScreen</translation>
    </message>
    <message>
        <source>Change char size</source>
        <translation>Размер знакоместа</translation>
    </message>
    <message>
        <source>Convert to 8x8</source>
        <translation>Преобразовать в 8x8</translation>
    </message>
    <message>
        <source>Convert to 8x4</source>
        <translation>Преобразовать в 8x4</translation>
    </message>
    <message>
        <source>Convert to 8x2</source>
        <translation>Преобразовать в 8x2</translation>
    </message>
    <message>
        <source>Convert to 8x1</source>
        <translation>Преобразовать в 8x1</translation>
    </message>
    <message>
        <source>Open *.mgs</source>
        <translation>Открыть *.mgs</translation>
    </message>
    <message>
        <source>Save *.mgs</source>
        <translation>Сохранить *.mgs</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Импорт</translation>
    </message>
    <message>
        <source>Import from %1</source>
        <translation>Импорт из %1</translation>
    </message>
    <message>
        <source>Import image...</source>
        <translation>Импорт изображения...</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Экспорт</translation>
    </message>
    <message>
        <source>Export to %1</source>
        <translation>Экспорт в %1</translation>
    </message>
    <message>
        <source>Export to emulator snapshot</source>
        <translation>Экспорт в снапшот эмулятора</translation>
    </message>
    <message>
        <source>Save selection</source>
        <translation>Сохранить выделение</translation>
    </message>
    <message>
        <source>Make trd/tap and preview in Emul</source>
        <translation>Собрать trd/tap и посмотреть в эмуляторе</translation>
    </message>
    <message>
        <source>Save windows positions</source>
        <translation>Сохранить положения окон</translation>
    </message>
    <message>
        <source>Color Corrector</source>
        <translation>Цветокорректор</translation>
    </message>
    <message>
        <source>Show/Hide</source>
        <translation>Показать/скрыть</translation>
    </message>
    <message>
        <source>About</source>
        <translation>О программе</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Правка</translation>
    </message>
    <message>
        <source>Remove selection (CTRL+D or ESC)</source>
        <translation>Снять выделение (CTRL+D или ESC)</translation>
    </message>
    <message>
        <source>Copy (CTRL+C)</source>
        <translation>Копировать (CTRL+C)</translation>
    </message>
    <message>
        <source>Paste (CTRL+V)</source>
        <translation>Вставить (CTRL+V)</translation>
    </message>
    <message>
        <source>Delete (DEL)</source>
        <translation>Удалить (DEL)</translation>
    </message>
    <message>
        <source>Rotate pixels Right (CTRL+CursorRight)</source>
        <translation>Прокрутить пиксели вправо (CTRL+CursorRight)</translation>
    </message>
    <message>
        <source>Rotate pixels Left (CTRL+CursorLeft)</source>
        <translation>Прокрутить пиксели влево (CTRL+CursorLeft)</translation>
    </message>
    <message>
        <source>Rotate pixels Up (CTRL+CursorUp)</source>
        <translation>Прокрутить пиксели вверх (CTRL+CursorUp)</translation>
    </message>
    <message>
        <source>Rotate pixels Down (CTRL+CursorDown)</source>
        <translation>Прокрутить пиксели вниз (CTRL+CursorDown)</translation>
    </message>
    <message>
        <source>Border</source>
        <translation>Бордюр</translation>
    </message>
    <message>
        <source>Full Palette</source>
        <translation>Полная палитра</translation>
    </message>
    <message>
        <source>Border Palette</source>
        <translation>Палитра бордюра</translation>
    </message>
    <message>
        <source>Full Palette Window (use hotkey &apos;C&apos;)</source>
        <translation>Полная палитра (клавиша C)</translation>
    </message>
    <message>
        <source>Border Palette Window (use hotkey &apos;B&apos;)</source>
        <translation>Палитра бордюра (клавиша B)</translation>
    </message>
    <message>
        <source>Preview and Zoom selector Window (use hotkey &apos;V&apos;)</source>
        <translation>Предпросмотр и выбор масштаба (клавиша V)</translation>
    </message>
    <message>
        <source>Preview Zoom Window (use hotkey &apos;ALT+V&apos;)</source>
        <translation>Лупа предпросмотра (клавиши ALT+V)</translation>
    </message>
    <message>
        <source>Unable to write to %1: %2
Make the folder writable.</source>
        <translation>Не удаётся записать в %1: %2
Разрешите запись в эту папку.</translation>
    </message>
    <message>
        <source>Unable to write to %1: %2
Make the folder %3 writable, or run chromaSmith from a folder you may write to.</source>
        <translation>Не удаётся записать %1: %2
Разрешите запись в папку %3 или запустите chromaSmith из папки, в которую можно писать.</translation>
    </message>
    <message>
        <source>The emulator preview script %1 is missing.
Copy the zxview folder that comes with chromaSmith to %2.</source>
        <translation>Не найден скрипт предпросмотра в эмуляторе %1.
Скопируйте папку zxview, которая поставляется с chromaSmith, в %2.</translation>
    </message>
    <message>
        <source>The emulator %1 is not installed.
Install it with: %2</source>
        <translation>Эмулятор %1 не установлен.
Установите его командой: %2</translation>
    </message>
    <message>
        <source>The emulator preview script %1 could not be started.
Make it executable with: chmod +x &quot;%1&quot;</source>
        <translation>Не удалось запустить скрипт предпросмотра в эмуляторе %1.
Сделайте его исполняемым: chmod +x &quot;%1&quot;</translation>
    </message>
</context>
<context>
    <name>cs::StatusBar</name>
    <message>
        <source>Current Char Palette:</source>
        <translation>Цвета знакоместа:</translation>
    </message>
</context>
<context>
    <name>cs::TextController</name>
    <message>
        <source>Load font...</source>
        <translation>Загрузить шрифт...</translation>
    </message>
    <message>
        <source>Opaque text</source>
        <translation>Непрозрачный текст</translation>
    </message>
    <message>
        <source>Spectrum fonts</source>
        <translation>Шрифты Spectrum</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>Все файлы</translation>
    </message>
    <message>
        <source>Built-in font</source>
        <translation>Встроенный шрифт</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Текст</translation>
    </message>
</context>
<context>
    <name>cs::ViewModes</name>
    <message>
        <source>Mix (use hotkey &apos;M&apos;)</source>
        <translation>Смесь (клавиша M)</translation>
    </message>
    <message>
        <source>Flicker (use hotkey &apos;F&apos;)</source>
        <translation>Мерцание (клавиша F)</translation>
    </message>
    <message>
        <source>Interlace (use hotkey &apos;I&apos;)</source>
        <translation>Чересстрочно (клавиша I)</translation>
    </message>
    <message>
        <source>Screen 0 (use hotkey &apos;T&apos;)</source>
        <translation>Экран 0 (клавиша T)</translation>
    </message>
    <message>
        <source>Screen 1 (use hotkey &apos;U&apos;)</source>
        <translation>Экран 1 (клавиша U)</translation>
    </message>
    <message>
        <source>Flicker risk (use hotkey &apos;R&apos;)</source>
        <translation>Риск мерцания (клавиша R)</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Вид</translation>
    </message>
    <message>
        <source>Palette</source>
        <translation>Палитра</translation>
    </message>
    <message>
        <source>Balance flicker</source>
        <translation>Выровнять мерцание</translation>
    </message>
    <message>
        <source>Low-flicker painting</source>
        <translation>Рисование с малым мерцанием</translation>
    </message>
    <message>
        <source>Flicker: %1</source>
        <translation>Мерцание: %L1</translation>
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
        <translation>Использование: chromasmith [--language en|ru] [КАРТИНКА]
  или:  chromasmith --help | --version

Открывает редактор картинок GigaScreen для ZX Spectrum и загружает в него
КАРТИНКУ, если она указана (любой файл, который открывает редактор: .mgs,
.mg1 ... .mg8, .scr, .img, .sna и другие из фильтра «Все картинки», расширение
в любом регистре), иначе пустую картинку 8x1. Принимаются и ключи самой Qt
(-platform, -style ...).

Ключи:
  --language L  язык интерфейса: английский (en) или русский (ru), какой бы
                ни была локаль
  --help        показать эту справку
  --version     вывести версию программы
</translation>
    </message>
</context>
</TS>
