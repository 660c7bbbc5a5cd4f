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
                    рассеивание, 0 ... 100 процентов (по умолчанию %1)
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
</TS>
