<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU" sourcelanguage="en">
<context>
    <name>Core</name>
    <message>
        <source>option %1 takes no value</source>
        <translation>параметр %1 не принимает значения</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>неизвестный параметр %1</translation>
    </message>
    <message>
        <source>option %1 needs a value</source>
        <translation>параметру %1 нужно значение</translation>
    </message>
    <message>
        <source>cell height must be 8, 4, 2 or 1, not &apos;%1&apos;</source>
        <translation>высота знакоместа должна быть 8, 4, 2 или 1, а не «%1»</translation>
    </message>
    <message>
        <source>--to takes an extension such as png, not &apos;%1&apos;</source>
        <translation>--to принимает расширение, например png, а не «%1»</translation>
    </message>
    <message>
        <source>option --output-dir needs a folder</source>
        <translation>параметру --output-dir нужна папка</translation>
    </message>
    <message>
        <source>PNG mode must be 1 ... 11, not &apos;%1&apos;</source>
        <translation>режим PNG должен быть от 1 до 11, а не «%1»</translation>
    </message>
    <message>
        <source>dither must be none, ordered or diffusion, not &apos;%1&apos;</source>
        <translation>дизеринг должен быть none, ordered или diffusion, а не «%1»</translation>
    </message>
    <message>
        <source>strength must be 0 ... 100, not &apos;%1&apos;</source>
        <translation>сила должна быть от 0 до 100, а не «%1»</translation>
    </message>
    <message>
        <source>unknown palette &apos;%1&apos;</source>
        <translation>неизвестная палитра «%1»</translation>
    </message>
    <message>
        <source>fit must be cover or border, not &apos;%1&apos;</source>
        <translation>--fit должен быть cover или border, а не «%1»</translation>
    </message>
    <message>
        <source>border must be two colours 0 ... 7 as B0,B1, not &apos;%1&apos;</source>
        <translation>бордюр задаётся двумя цветами 0 ... 7 в виде B0,B1, а не «%1»</translation>
    </message>
    <message>
        <source>--info takes one INPUT and no other option</source>
        <translation>--info принимает один INPUT и никаких других параметров</translation>
    </message>
    <message>
        <source>--to and --output-dir go together</source>
        <translation>--to и --output-dir задаются только вместе</translation>
    </message>
    <message>
        <source>expected the FILEs to convert</source>
        <translation>не указаны файлы FILE для преобразования</translation>
    </message>
    <message>
        <source>expected INPUT and OUTPUT</source>
        <translation>нужны INPUT и OUTPUT</translation>
    </message>
    <message>
        <source>MGS native picture</source>
        <translation>Картинка MGS (родной формат)</translation>
    </message>
    <message>
        <source>MG multicolour picture</source>
        <translation>Мультиколорная картинка MG</translation>
    </message>
    <message>
        <source>IMG GigaScreen picture</source>
        <translation>Картинка GigaScreen IMG</translation>
    </message>
    <message>
        <source>$IMG GigaScreen picture with disk-file header</source>
        <translation>Картинка GigaScreen $IMG с заголовком дискового файла</translation>
    </message>
    <message>
        <source>SCR screen</source>
        <translation>Экран SCR</translation>
    </message>
    <message>
        <source>$SCR screen with disk-file header</source>
        <translation>Экран $SCR с заголовком дискового файла</translation>
    </message>
    <message>
        <source>image</source>
        <translation>изображение</translation>
    </message>
    <message>
        <source>picture</source>
        <translation>картинка</translation>
    </message>
    <message>
        <source>--language needs en or ru</source>
        <translation>--language: нужно en или ru</translation>
    </message>
    <message>
        <source>--language needs en or ru, not &apos;%1&apos;</source>
        <translation>--language: нужно en или ru, а не «%1»</translation>
    </message>
    <message>
        <source>Fill</source>
        <translation>Заливка</translation>
    </message>
    <message>
        <source>Gradient fill</source>
        <translation>Градиентная заливка</translation>
    </message>
    <message>
        <source>Pattern fill</source>
        <translation>Заливка узором</translation>
    </message>
    <message>
        <source>Pencil (use hotkey &apos;P&apos;)</source>
        <translation>Карандаш (клавиша P)</translation>
    </message>
    <message>
        <source>Pencil</source>
        <translation>Карандаш</translation>
    </message>
    <message>
        <source>Pen</source>
        <translation>Карандаш</translation>
    </message>
    <message>
        <source>Line (use hotkey &apos;L&apos;)</source>
        <translation>Линия (клавиша L)</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Линия</translation>
    </message>
    <message>
        <source>Rectangle</source>
        <translation>Прямоугольник</translation>
    </message>
    <message>
        <source>Fill Char (use hotkey &apos;N&apos;)</source>
        <translation>Заливка знакоместа (клавиша N)</translation>
    </message>
    <message>
        <source>Fill Char</source>
        <translation>Заливка знакоместа</translation>
    </message>
    <message>
        <source>Fill char</source>
        <translation>Заливка знакоместа</translation>
    </message>
    <message>
        <source>Selection (use hotkey &apos;S&apos;)</source>
        <translation>Выделение (клавиша S)</translation>
    </message>
    <message>
        <source>Selection</source>
        <translation>Выделение</translation>
    </message>
    <message>
        <source>Ellipse (use hotkey &apos;D&apos;)</source>
        <translation>Эллипс (клавиша D)</translation>
    </message>
    <message>
        <source>Ellipse</source>
        <translation>Эллипс</translation>
    </message>
    <message>
        <source>Fill (use hotkey &apos;K&apos;)</source>
        <translation>Заливка (клавиша K)</translation>
    </message>
    <message>
        <source>Airbrush</source>
        <translation>Распылитель</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Текст</translation>
    </message>
    <message>
        <source>Solid</source>
        <translation>Сплошной</translation>
    </message>
    <message>
        <source>Horizontal lines</source>
        <translation>Горизонтальные линии</translation>
    </message>
    <message>
        <source>Vertical lines</source>
        <translation>Вертикальные линии</translation>
    </message>
    <message>
        <source>Diagonal \</source>
        <translation>Диагональ \</translation>
    </message>
    <message>
        <source>Diagonal /</source>
        <translation>Диагональ /</translation>
    </message>
    <message>
        <source>Brick</source>
        <translation>Кирпич</translation>
    </message>
    <message>
        <source>Cross-hatch</source>
        <translation>Косая сетка</translation>
    </message>
    <message>
        <source>Stamp</source>
        <translation>Штамп</translation>
    </message>
    <message>
        <source>Brush</source>
        <translation>Кисть</translation>
    </message>
    <message>
        <source>Filled rectangle</source>
        <translation>Закрашенный прямоугольник</translation>
    </message>
    <message>
        <source>Filled ellipse</source>
        <translation>Закрашенный эллипс</translation>
    </message>
    <message>
        <source>the snapshot library could not write the snapshot</source>
        <translation>библиотека снапшотов не смогла записать снапшот</translation>
    </message>
    <message>
        <source>The BMP image is damaged.</source>
        <translation>Изображение BMP повреждено.</translation>
    </message>
    <message>
        <source>Compressed BMP images are not read.</source>
        <translation>Сжатые изображения BMP не читаются.</translation>
    </message>
    <message>
        <source>a .bsp file starts with &quot;bsp&quot;</source>
        <translation>файл .bsp начинается с «bsp»</translation>
    </message>
    <message>
        <source>a .bsp file without border data has %1 bytes, this one %2</source>
        <translation>файл .bsp без данных бордюра занимает %1 байт, этот — %2</translation>
    </message>
    <message>
        <source>the border data is missing</source>
        <translation>нет данных бордюра</translation>
    </message>
    <message>
        <source>screen 1&apos;s border data starts at %1, outside the file</source>
        <translation>данные бордюра экрана 1 начинаются с байта %1, за концом файла</translation>
    </message>
    <message>
        <source>The border&apos;s changing colours were left out; the border takes the first of them</source>
        <translation>Смена цветов бордюра пропущена: бордюр получает первый из них</translation>
    </message>
    <message>
        <source>a .ch$ file starts with &quot;chr$&quot;</source>
        <translation>файл .ch$ начинается с «chr$»</translation>
    </message>
    <message>
        <source>a cell has 8, 9 or 18 bytes, this file says %1</source>
        <translation>знакоместо занимает 8, 9 или 18 байт, а в этом файле указано %1</translation>
    </message>
    <message>
        <source>a %1 x %2 cell picture has %3 bytes, this one %4</source>
        <translation>картинка %1 x %2 знакомест занимает %3 байт, эта — %4</translation>
    </message>
    <message>
        <source>the picture is %1 x %2 cells: it holds no cells</source>
        <translation>картинка размером %1 x %2 знакомест: в ней нет ни одного знакоместа</translation>
    </message>
    <message>
        <source>the picture is %1 x %2 cells, larger than the screen&apos;s 32 x 24</source>
        <translation>картинка размером %1 x %2 знакомест больше экрана (32 x 24)</translation>
    </message>
    <message>
        <source>File not found</source>
        <translation>Файл не найден</translation>
    </message>
    <message>
        <source>File access denied</source>
        <translation>Нет доступа к файлу</translation>
    </message>
    <message>
        <source>Read beyond end of file</source>
        <translation>Чтение за концом файла</translation>
    </message>
    <message>
        <source>Disk full</source>
        <translation>Диск переполнен</translation>
    </message>
    <message>
        <source>I/O error %1</source>
        <translation>Ошибка ввода-вывода %1</translation>
    </message>
    <message>
        <source>Error file format</source>
        <translation>Неверный формат файла</translation>
    </message>
    <message>
        <source>Too many levels of symbolic links</source>
        <translation>Слишком много уровней символьных ссылок</translation>
    </message>
    <message>
        <source>It is not a regular file</source>
        <translation>Это не обычный файл</translation>
    </message>
    <message>
        <source>It is not a regular file; nothing was written.</source>
        <translation>Это не обычный файл; ничего не записано.</translation>
    </message>
    <message>
        <source>The folder %1 does not exist</source>
        <translation>Папка %1 не существует</translation>
    </message>
    <message>
        <source>%1 is not a folder</source>
        <translation>%1 — не папка</translation>
    </message>
    <message>
        <source>the font file is empty</source>
        <translation>файл шрифта пуст</translation>
    </message>
    <message>
        <source>a font file has 768 or 2048 bytes, this one %1</source>
        <translation>файл шрифта занимает 768 или 2048 байт, этот — %1</translation>
    </message>
    <message>
        <source>a font file has 768 or 2048 bytes, this one has more</source>
        <translation>файл шрифта занимает 768 или 2048 байт, этот — больше</translation>
    </message>
    <message>
        <source>The GIF image is damaged.</source>
        <translation>Изображение GIF повреждено.</translation>
    </message>
    <message>
        <source>%1 pixels</source>
        <translation>%1 пикселей</translation>
    </message>
    <message>
        <source>%1 x %1 pixels (%2 pixels in any shape)</source>
        <translation>%1 x %1 пикселей (%2 пикселей при любых пропорциях)</translation>
    </message>
    <message>
        <source>The image has no pixels.</source>
        <translation>В изображении нет ни одного пикселя.</translation>
    </message>
    <message>
        <source>The image is %1 x %2 pixels; images of up to %3 are read.</source>
        <translation>Изображение размером %1 x %2 пикселей; читаются изображения не больше %3.</translation>
    </message>
    <message>
        <source>The file is not a PNG, JPEG, GIF or BMP image.</source>
        <translation>Файл не является изображением PNG, JPEG, GIF или BMP.</translation>
    </message>
    <message>
        <source>The file is larger than 256 MiB.</source>
        <translation>Файл больше 256 МиБ.</translation>
    </message>
    <message>
        <source>The JPEG image is damaged.</source>
        <translation>Изображение JPEG повреждено.</translation>
    </message>
    <message>
        <source>9216 (8x2) or 7680 (8x4)</source>
        <translation>9216 (8x2) или 7680 (8x4)</translation>
    </message>
    <message>
        <source>IFL multicolour screen, 8x2 or 8x4</source>
        <translation>Мультиколорный экран IFL, 8x2 или 8x4</translation>
    </message>
    <message>
        <source>MLT multicolour screen, 8x1</source>
        <translation>Мультиколорный экран MLT, 8x1</translation>
    </message>
    <message>
        <source>MC multicolour screen, 8x1, linear bitmap</source>
        <translation>Мультиколорный экран MC, 8x1, линейный битмап</translation>
    </message>
    <message>
        <source>BMC4 multicolour screen, 8x4, with border</source>
        <translation>Мультиколорный экран BMC4, 8x4, с бордюром</translation>
    </message>
    <message>
        <source>BSP picture with title and author</source>
        <translation>Картинка BSP с названием и автором</translation>
    </message>
    <message>
        <source>CHR$ picture of cells</source>
        <translation>Картинка CHR$ из знакомест</translation>
    </message>
    <message>
        <source>ZX-Paintbrush text picture</source>
        <translation>Текстовая картинка ZX-Paintbrush</translation>
    </message>
    <message>
        <source>attributes alone</source>
        <translation>только атрибуты</translation>
    </message>
    <message>
        <source>SNA snapshot</source>
        <translation>Снапшот SNA</translation>
    </message>
    <message>
        <source>Z80 snapshot</source>
        <translation>Снапшот Z80</translation>
    </message>
    <message>
        <source>SZX snapshot</source>
        <translation>Снапшот SZX</translation>
    </message>
    <message>
        <source>TAP tape image</source>
        <translation>Образ ленты TAP</translation>
    </message>
    <message>
        <source>SCR screen: screen 0, 8x8 cells</source>
        <translation>Экран SCR: экран 0, знакоместа 8x8</translation>
    </message>
    <message>
        <source>IFL multicolour screen: screen 0, 8x2 (8x4 at cell heights 4 and 8)</source>
        <translation>Мультиколорный экран IFL: экран 0, 8x2 (8x4 при высоте знакоместа 4 и 8)</translation>
    </message>
    <message>
        <source>MLT multicolour screen: screen 0, 8x1</source>
        <translation>Мультиколорный экран MLT: экран 0, 8x1</translation>
    </message>
    <message>
        <source>BSP GigaScreen picture with the border pair, 8x8 cells</source>
        <translation>Картинка GigaScreen BSP с парой цветов бордюра, знакоместа 8x8</translation>
    </message>
    <message>
        <source>CHR$ GigaScreen picture, 32 x 24 cells</source>
        <translation>Картинка GigaScreen CHR$, 32 x 24 знакоместа</translation>
    </message>
    <message>
        <source>a %1 file has at most %2 bytes, this one more</source>
        <translation>файл %1 занимает не больше %2 байт, этот — больше</translation>
    </message>
    <message>
        <source>no picture kind has the extension &quot;%1&quot;</source>
        <translation>нет вида картинок с расширением «%1»</translation>
    </message>
    <message>
        <source>256 x 192 without border</source>
        <translation>256 x 192 без бордюра</translation>
    </message>
    <message>
        <source>512 x 384 without border</source>
        <translation>512 x 384 без бордюра</translation>
    </message>
    <message>
        <source>768 x 576 without border</source>
        <translation>768 x 576 без бордюра</translation>
    </message>
    <message>
        <source>1024 x 768 without border</source>
        <translation>1024 x 768 без бордюра</translation>
    </message>
    <message>
        <source>1280 x 960 without border</source>
        <translation>1280 x 960 без бордюра</translation>
    </message>
    <message>
        <source>320 x 240 (256x192 with border)</source>
        <translation>320 x 240 (256x192 с бордюром)</translation>
    </message>
    <message>
        <source>640 x 480 (512x384 with border)</source>
        <translation>640 x 480 (512x384 с бордюром)</translation>
    </message>
    <message>
        <source>800 x 600 (768x576 with border)</source>
        <translation>800 x 600 (768x576 с бордюром)</translation>
    </message>
    <message>
        <source>1024 x 768 (768x576 with border)</source>
        <translation>1024 x 768 (768x576 с бордюром)</translation>
    </message>
    <message>
        <source>1280 x 960 (1024x768 with border)</source>
        <translation>1280 x 960 (1024x768 с бордюром)</translation>
    </message>
    <message>
        <source>384 x 300 (256x192 full emul border)</source>
        <translation>384 x 300 (256x192, весь бордюр эмулятора)</translation>
    </message>
    <message>
        <source>The PNG image is damaged.</source>
        <translation>Изображение PNG повреждено.</translation>
    </message>
    <message>
        <source>The selection lies outside the picture; nothing was saved.</source>
        <translation>Выделение лежит за пределами картинки; ничего не сохранено.</translation>
    </message>
    <message>
        <source>an .sna file has 49179, 131103 or 147487 bytes, this one %1</source>
        <translation>файл .sna занимает 49179, 131103 или 147487 байт, этот — %1</translation>
    </message>
    <message>
        <source>the .sna stack pointer is outside RAM</source>
        <translation>указатель стека в .sna вне ОЗУ</translation>
    </message>
    <message>
        <source>the .sna file&apos;s two copies of bank %1 differ</source>
        <translation>две копии банка %1 в файле .sna различаются</translation>
    </message>
    <message>
        <source>an .sna file with bank %1 paged in has 147487 bytes</source>
        <translation>файл .sna с включённым банком %1 занимает 147487 байт</translation>
    </message>
    <message>
        <source>the .z80 hardware type %1 is unknown</source>
        <translation>тип машины %1 в .z80 неизвестен</translation>
    </message>
    <message>
        <source>a .z80 file has a 30-byte header</source>
        <translation>у файла .z80 заголовок в 30 байт</translation>
    </message>
    <message>
        <source>the .z80 memory is cut off</source>
        <translation>память в .z80 обрезана</translation>
    </message>
    <message>
        <source>the .z80 memory has no end marker</source>
        <translation>у памяти в .z80 нет метки конца</translation>
    </message>
    <message>
        <source>the .z80 memory does not unpack to 48K</source>
        <translation>память в .z80 не распаковывается в 48K</translation>
    </message>
    <message>
        <source>the .z80 extra header is cut off</source>
        <translation>дополнительный заголовок .z80 обрезан</translation>
    </message>
    <message>
        <source>the .z80 extra header has an unknown length</source>
        <translation>у дополнительного заголовка .z80 неизвестная длина</translation>
    </message>
    <message>
        <source>a .z80 memory block&apos;s header is cut off</source>
        <translation>заголовок блока памяти .z80 обрезан</translation>
    </message>
    <message>
        <source>a .z80 memory block runs past the end</source>
        <translation>блок памяти .z80 выходит за конец файла</translation>
    </message>
    <message>
        <source>a .z80 memory block has the unknown page %1</source>
        <translation>у блока памяти .z80 неизвестная страница %1</translation>
    </message>
    <message>
        <source>the .z80 file holds page %1 twice</source>
        <translation>в файле .z80 страница %1 встречается дважды</translation>
    </message>
    <message>
        <source>a .z80 page ends inside a run</source>
        <translation>страница .z80 обрывается посреди упакованной серии</translation>
    </message>
    <message>
        <source>a .z80 page unpacks to less than a screen</source>
        <translation>страница .z80 распаковывается меньше чем в экран</translation>
    </message>
    <message>
        <source>an .szx file starts with &quot;ZXST&quot;</source>
        <translation>файл .szx начинается с «ZXST»</translation>
    </message>
    <message>
        <source>the .szx machine type %1 is unknown</source>
        <translation>тип машины %1 в .szx неизвестен</translation>
    </message>
    <message>
        <source>an .szx block&apos;s header is cut off</source>
        <translation>заголовок блока .szx обрезан</translation>
    </message>
    <message>
        <source>an .szx block runs past the end</source>
        <translation>блок .szx выходит за конец файла</translation>
    </message>
    <message>
        <source>an .szx SPCR block has %1 bytes, not 8</source>
        <translation>блок SPCR в .szx занимает %1 байт, а не 8</translation>
    </message>
    <message>
        <source>an .szx RAMP block is cut off</source>
        <translation>блок RAMP в .szx обрезан</translation>
    </message>
    <message>
        <source>an .szx RAMP block has the unknown page %1</source>
        <translation>у блока RAMP в .szx неизвестная страница %1</translation>
    </message>
    <message>
        <source>an .szx RAM page is cut off</source>
        <translation>страница ОЗУ в .szx обрезана</translation>
    </message>
    <message>
        <source>the packed RAM page %1 is damaged</source>
        <translation>упакованная страница ОЗУ %1 повреждена</translation>
    </message>
    <message>
        <source>the snapshot has no RAM bank %1</source>
        <translation>в снапшоте нет банка ОЗУ %1</translation>
    </message>
    <message>
        <source>the last block&apos;s length is cut off at byte %1</source>
        <translation>длина последнего блока обрезана на байте %1</translation>
    </message>
    <message>
        <source>the screen block at byte %1 fails its checksum</source>
        <translation>у блока экрана на байте %1 неверная контрольная сумма</translation>
    </message>
    <message>
        <source>the tape holds no block of 6912 bytes</source>
        <translation>на ленте нет блока в 6912 байт</translation>
    </message>
    <message>
        <source>a %1 file has %2 bytes, this one %3</source>
        <translation>файл %1 занимает %2 байт, этот — %3</translation>
    </message>
    <message>
        <source>line %1 %2</source>
        <translation>строка %1 %2</translation>
    </message>
    <message>
        <source>a .zxp file starts with &quot;ZX-Paintbrush image&quot;</source>
        <translation>файл .zxp начинается с «ZX-Paintbrush image»</translation>
    </message>
    <message>
        <source>should be empty</source>
        <translation>должна быть пустой</translation>
    </message>
    <message>
        <source>should have 256 pixels, it has %1</source>
        <translation>должна содержать 256 пикселей, а в ней %1</translation>
    </message>
    <message>
        <source>holds a pixel other than 0 or 1</source>
        <translation>содержит пиксель, отличный от 0 и 1</translation>
    </message>
    <message>
        <source>should be empty after 192 lines of pixels</source>
        <translation>должна быть пустой после 192 строк пикселей</translation>
    </message>
    <message>
        <source>is one attribute line too many</source>
        <translation>— лишняя строка атрибутов</translation>
    </message>
    <message>
        <source>should hold 32 attributes</source>
        <translation>должна содержать 32 атрибута</translation>
    </message>
    <message>
        <source>a .zxp file has 24 or 192 lines of attributes, this one %1</source>
        <translation>в файле .zxp 24 или 192 строки атрибутов, в этом — %1</translation>
    </message>
    <message>
        <source>The palette after the attributes was left out</source>
        <translation>Палитра после атрибутов пропущена</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Начало</translation>
    </message>
    <message>
        <source>The outer columns change colour within a character row; the picture shows each row&apos;s first line there</source>
        <translation>Крайние столбцы меняют цвет внутри ряда знакомест; там картинка показывает первую строку каждого ряда</translation>
    </message>
</context>
<context>
    <name>Tools</name>
    <message>
        <source>Usage: chromasmith-convert [--cell-height N] [--png-mode N] [--border B0,B1] INPUT OUTPUT
  or:  chromasmith-convert [those options] --to EXT --output-dir DIR FILE...
  or:  chromasmith-convert [--cell-height N] [--dither D] [--strength P] [--fit F] IMAGE OUTPUT
  or:  chromasmith-convert [--balance-flicker] [--palette NAME] INPUT OUTPUT
  or:  chromasmith-convert --info INPUT
  or:  chromasmith-convert --help | --version
</source>
        <translation>Использование: chromasmith-convert [--cell-height N] [--png-mode N] [--border B0,B1] INPUT OUTPUT
          или: chromasmith-convert [те же параметры] --to EXT --output-dir DIR FILE...
          или: chromasmith-convert [--cell-height N] [--dither D] [--strength P] [--fit F] IMAGE OUTPUT
          или: chromasmith-convert [--balance-flicker] [--palette NAME] INPUT OUTPUT
          или: chromasmith-convert --info INPUT
          или: chromasmith-convert --help | --version
</translation>
    </message>
    <message>
        <source>Converts a ZX Spectrum GigaScreen picture from one file format to another.
</source>
        <translation>Преобразует картинку GigaScreen для ZX Spectrum из одного формата файла в другой.
</translation>
    </message>
    <message>
        <source>INPUT is read by its extension (any case):
  .mgs                      native picture
  .mg1 .mg2 .mg4 .mg8       multicolour picture (the header decides the cell height)
  .img .$img                GigaScreen picture, plain or behind a 17-byte disk-file header
  .scr .$scr                single screen, both screens get it; also its 6144 bytes of
                            pixels alone, or their top 2048 or 4096 (the rest cleared)
  .png .jpg .jpeg .gif .bmp an image (PNG, JPEG, GIF or BMP, told apart by its
                            contents; up to 8192 x 8192 pixels), converted into
                            a picture as the editor&apos;s &quot;Import image...&quot; does
  .ifl .mlt .mc .bmc4 .bsp .ch$ .zxp .atr .53c
                            the multicolour and GigaScreen kinds of other tools
  .sna .z80 .szx .tap       a snapshot&apos;s or a tape&apos;s screens (128K: banks 5 and 7)
It is loaded into a fresh picture (all black, cell height 1, border 0,0) exactly
as the editor loads it.
</source>
        <translation>INPUT читается по расширению (в любом регистре):
  .mgs                      картинка в родном формате
  .mg1 .mg2 .mg4 .mg8       мультиколорная картинка (высоту знакоместа задаёт заголовок)
  .img .$img                картинка GigaScreen, как есть или за 17-байтным заголовком
                            дискового файла
  .scr .$scr                один экран, его получают оба экрана; также только его 6144
                            байта пикселей или их верхние 2048 или 4096 (остальное
                            очищается)
  .png .jpg .jpeg .gif .bmp изображение (PNG, JPEG, GIF или BMP, вид определяется по
                            содержимому; до 8192 x 8192 пикселей), превращается
                            в картинку, как при «Импорте изображения...» в редакторе
  .ifl .mlt .mc .bmc4 .bsp .ch$ .zxp .atr .53c
                            виды мультиколора и GigaScreen из других программ
  .sna .z80 .szx .tap       экраны снапшота или ленты (128K: банки 5 и 7)
Файл загружается в новую картинку (вся чёрная, высота знакоместа 1, бордюр 0,0)
точно так же, как его загружает редактор.
</translation>
    </message>
    <message>
        <source>OUTPUT is written by its extension (any case):
  .mgs                      native picture
  .mg1                      MG1 layout, whatever the cell height
  .mg2 .mg4 .mg8            layout of the picture&apos;s cell height (MG1 layout at cell height 1)
  .img                      GigaScreen picture, 8x8 cells
  .png                      the mixed picture as an RGB image
  .scr .ifl .mlt            screen 0 alone (.ifl 8x2, or 8x4 at cell heights 4 and 8;
                            .mlt 8x1)
  .bsp .ch$                 GigaScreen picture, 8x8 cells
  .szx .z80 .sna            Pentagon 128 snapshot that shows the picture
An existing OUTPUT is replaced only after a complete write.
</source>
        <translation>OUTPUT записывается по расширению (в любом регистре):
  .mgs                      картинка в родном формате
  .mg1                      раскладка MG1 при любой высоте знакоместа
  .mg2 .mg4 .mg8            раскладка по высоте знакоместа картинки (при высоте 1 — MG1)
  .img                      картинка GigaScreen, знакоместа 8x8
  .png                      смешанная картинка как RGB-изображение
  .scr .ifl .mlt            только экран 0 (.ifl 8x2 или 8x4 при высоте знакоместа 4 и 8;
                            .mlt 8x1)
  .bsp .ch$                 картинка GigaScreen, знакоместа 8x8
  .szx .z80 .sna            снапшот Pentagon 128, который показывает картинку
Существующий OUTPUT заменяется только после полной записи.
</translation>
    </message>
    <message>
        <source>With --to, every FILE is converted in this one process into DIR under its own
name with the extension EXT (one of the OUTPUT kinds above). A FILE that fails
leaves no output and the others go on; so does one whose output would replace
another FILE of the run or the output of an earlier one. The failures with their
reasons and the count follow at the end, on stderr, where a progress line shows
meanwhile when stderr is a terminal.
</source>
        <translation>С --to каждый FILE преобразуется в этом же процессе в папку DIR под своим именем
с расширением EXT (одним из видов OUTPUT выше). FILE, который преобразовать
не удалось, не оставляет результата, а остальные преобразуются дальше; так же
пропускается FILE, чей результат заменил бы другой FILE этого запуска или
результат более раннего. Ошибки с причинами и итог выводятся в конце в stderr,
где, если stderr — терминал, до тех пор показывается ход работы.
</translation>
    </message>
    <message>
        <source>Options:
  --cell-height N   change the cell height to N (8, 4, 2 or 1) as &quot;Convert to 8xN&quot;
                    does: the pixel and attribute data stay as loaded; an image INPUT
                    is converted at that cell height (default 1)
  --dither D        for an image INPUT: none, ordered or diffusion (default)
  --strength P      for an image INPUT: share of the error diffusion passes on,
                    0 ... 100 percent (default %1)
  --fit F           for an image INPUT: cover (scaled to fill 256 x 192 and centred,
                    the overhang cut off; default) or border (scaled to fit inside,
                    centred on black)
  --border B0,B1    set the border colours of screen 0 and screen 1 (0 ... 7 each)
  --png-mode N      PNG size, 1 ... 11 (default 1), from the list below
  --balance-flicker exchange the two screens of those cells where that makes the
                    picture flicker less; the mixed colours stay the same
  --palette NAME    the colours of a PNG OUTPUT: chromaSmith (default) or one of
                    the zxart gallery&apos;s: srgb, pulsar, orthodox, alone, electroscale
  --to EXT          convert every FILE to the kind of extension EXT, for example png
  --output-dir DIR  the existing folder the FILEs converted with --to go to
  --info            print the kind, cell height, border and flicker score of INPUT
  --language L      the language of the messages: en or ru (by default the
                    locale&apos;s, as LANGUAGE, LC_ALL, LC_MESSAGES or LANG say)
  --help            show this text
  --version         print the program&apos;s version
</source>
        <translation>Параметры:
  --cell-height N   сменить высоту знакоместа на N (8, 4, 2 или 1), как это делает
                    «Преобразовать в 8xN»: данные пикселей и атрибутов остаются как
                    есть; изображение в INPUT превращается в картинку с этой высотой
                    знакоместа (по умолчанию 1)
  --dither D        для изображения в INPUT: none, ordered или diffusion (по умолчанию)
  --strength P      для изображения в INPUT: доля ошибки, которую передаёт
                    диффузия ошибки, 0 ... 100 процентов (по умолчанию %1)
  --fit F           для изображения в INPUT: cover (растянуть до заполнения 256 x 192
                    по центру, лишнее обрезать; по умолчанию) или border (вписать
                    целиком по центру на чёрном)
  --border B0,B1    цвета бордюра экрана 0 и экрана 1 (0 ... 7 каждый)
  --png-mode N      размер PNG, 1 ... 11 (по умолчанию 1), из списка ниже
  --balance-flicker поменять местами экраны в тех знакоместах, где это уменьшает
                    мерцание картинки; смешанные цвета не меняются
  --palette NAME    цвета PNG в OUTPUT: chromaSmith (по умолчанию) или одна из
                    палитр галереи zxart: srgb, pulsar, orthodox, alone, electroscale
  --to EXT          преобразовать каждый FILE в вид с расширением EXT, например png
  --output-dir DIR  существующая папка, куда попадают FILE, преобразованные с --to
  --info            вывести вид, высоту знакоместа, бордюр и оценку мерцания INPUT
  --language L      язык сообщений: en или ru (по умолчанию — язык локали, как его
                    задают LANGUAGE, LC_ALL, LC_MESSAGES или LANG)
  --help            показать эту справку
  --version         вывести версию программы
</translation>
    </message>
    <message>
        <source>PNG sizes of --png-mode:
</source>
        <translation>Размеры PNG для --png-mode:
</translation>
    </message>
    <message>
        <source>Exit status: 0 on success, 1 when a file cannot be read or written (the error
is printed on stderr and no OUTPUT is left behind) or any FILE of a batch
failed, 2 for wrong arguments.
</source>
        <translation>Код возврата: 0 при успехе, 1, если файл не удаётся прочитать или записать
(ошибка выводится в stderr, и OUTPUT не остаётся) или не удалось преобразовать
какой-либо FILE пакета, 2 при неверных аргументах.
</translation>
    </message>
    <message>
        <source>Try &apos;chromasmith-convert --help&apos;.</source>
        <translation>Подробнее: «chromasmith-convert --help».</translation>
    </message>
    <message>
        <source>cannot write kind &apos;%1&apos;: unknown extension</source>
        <translation>нельзя записать вид «%1»: неизвестное расширение</translation>
    </message>
    <message>
        <source>converting %1 of %2</source>
        <translation>преобразование: %1 из %2</translation>
    </message>
    <message>
        <source>%1: cannot tell its kind from its extension</source>
        <translation>%1: вид файла не понять по расширению</translation>
    </message>
    <message>
        <source>%1: not converted, as an earlier FILE was written to %2</source>
        <translation>%1: не преобразован, так как в %2 уже записан более ранний FILE</translation>
    </message>
    <message>
        <source>%1: not converted, as %2 is another FILE of this run</source>
        <translation>%1: не преобразован, так как %2 — другой FILE этого запуска</translation>
    </message>
    <message>
        <source>converted %1 of %2 files</source>
        <translation>преобразовано файлов: %1 из %2</translation>
    </message>
    <message>
        <source>, %1 failed</source>
        <translation>, с ошибкой: %1</translation>
    </message>
    <message>
        <source>cannot tell the kind of INPUT &apos;%1&apos; from its extension</source>
        <translation>вид INPUT «%1» не понять по расширению</translation>
    </message>
    <message>
        <source>cannot write OUTPUT &apos;%1&apos;: unknown extension</source>
        <translation>нельзя записать OUTPUT «%1»: неизвестное расширение</translation>
    </message>
    <message>
        <source>--dither, --strength and --fit need an image INPUT</source>
        <translation>--dither, --strength и --fit применимы только к изображению в INPUT</translation>
    </message>
    <message>
        <source>kind: %1
cell height: %2
border: %3,%4
flicker score: %5
</source>
        <translation>вид: %1
высота знакоместа: %2
бордюр: %3,%4
оценка мерцания: %5
</translation>
    </message>
    <message>
        <source>Usage: chromasmith-zxsnap IN.mgN OUT.szx
  or:  chromasmith-zxsnap --rom OUT.rom
  or:  chromasmith-zxsnap --help | --version
</source>
        <translation>Использование: chromasmith-zxsnap IN.mgN OUT.szx
          или: chromasmith-zxsnap --rom OUT.rom
          или: chromasmith-zxsnap --help | --version
</translation>
    </message>
    <message>
        <source>
Makes a Pentagon 128 snapshot (SZX) that shows a GigaScreen picture in an
emulator: screen 0 in RAM bank 5, screen 1 in bank 7 and a viewer that shows
them in turn, one each frame, with their border colours. IN.mgN is a .mg1,
.mg2, .mg4 or .mg8 file; for cell heights 4, 2 and 1 the viewer sets every
cell&apos;s colours in step with the beam. The emulator preview&apos;s scripts
(view8x8.sh ...) run it and start fuse with the snapshot.

Options:
  --rom OUT.rom   write the 16 KB ROM the snapshot is run with
  --language L    the language of the messages: en or ru (by default the
                  locale&apos;s, as LANGUAGE, LC_ALL, LC_MESSAGES or LANG say)
  --help          show this text
  --version       print the program&apos;s version

Exit status: 0 on success, 1 when a file cannot be read or written, 2 for
wrong arguments.
</source>
        <translation>
Делает снапшот Pentagon 128 (SZX), который показывает картинку GigaScreen
в эмуляторе: экран 0 в банке ОЗУ 5, экран 1 в банке 7 и просмотрщик, который
показывает их по очереди, по одному за кадр, с их цветами бордюра. IN.mgN —
файл .mg1, .mg2, .mg4 или .mg8; при высоте знакоместа 4, 2 и 1 просмотрщик
задаёт цвета каждого знакоместа в такт с лучом. Сценарии предпросмотра
в эмуляторе (view8x8.sh ...) запускают программу и открывают снапшот в fuse.

Параметры:
  --rom OUT.rom   записать ПЗУ на 16 КБ, с которым запускается снапшот
  --language L    язык сообщений: en или ru (по умолчанию — язык локали, как его
                  задают LANGUAGE, LC_ALL, LC_MESSAGES или LANG)
  --help          показать эту справку
  --version       вывести версию программы

Код возврата: 0 при успехе, 1, если файл не удаётся прочитать или записать,
2 при неверных аргументах.
</translation>
    </message>
    <message>
        <source>libspectrum could not write the snapshot</source>
        <translation>libspectrum не смогла записать снапшот</translation>
    </message>
</context>
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
(другую задают «Файл &gt; Создать» и «Размер знакоместа»)</translation>
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
    <name>cs::ZoomPreviewPanel</name>
    <message>
        <source>Preview Zoom</source>
        <translation>Лупа предпросмотра</translation>
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
