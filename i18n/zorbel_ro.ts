<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ro" sourcelanguage="ru_RU">
<context>
    <name>Board</name>
    <message>
        <source>красный</source>
        <translation>roșie</translation>
    </message>
    <message>
        <source>жёлтый</source>
        <translation>galbenă</translation>
    </message>
    <message>
        <source>зелёный</source>
        <translation>verde</translation>
    </message>
    <message>
        <source>голубой</source>
        <translation>bleu</translation>
    </message>
    <message>
        <source>синий</source>
        <translation>albastră</translation>
    </message>
    <message>
        <source>пурпурный</source>
        <translation>mov</translation>
    </message>
    <message>
        <source>слоновая кость</source>
        <translation>fildeș</translation>
    </message>
    <message>
        <source>оранжевый</source>
        <translation>portocalie</translation>
    </message>
    <message>
        <source>Игровое поле</source>
        <translation>Tabla de joc</translation>
    </message>
    <message>
        <source>пусто</source>
        <translation>gol</translation>
    </message>
    <message>
        <source>выбран</source>
        <translation>selectată</translation>
    </message>
    <message>
        <source>отмечен</source>
        <translation>marcată</translation>
    </message>
    <message>
        <source>активный</source>
        <translation>activă</translation>
    </message>
    <message>
        <source>строка %1, столбец %2</source>
        <translation>rândul %1, coloana %2</translation>
    </message>
</context>
<context>
    <name>Labels</name>
    <message>
        <source>Ходов: %1</source>
        <translation>Mutări: %1</translation>
    </message>
    <message>
        <source>Ходов нет!</source>
        <translation>Nicio mutare!</translation>
    </message>
    <message>
        <source>Счёт: %1</source>
        <translation>Scor: %1</translation>
    </message>
    <message>
        <source>Счёт: %1+</source>
        <translation>Scor: %1+</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>Игра</source>
        <translation>Joc</translation>
    </message>
    <message>
        <source>Новая</source>
        <translation>Joc nou</translation>
    </message>
    <message>
        <source>Подсказка</source>
        <translation>Indiciu</translation>
    </message>
    <message>
        <source>Настройки</source>
        <translation>Setări</translation>
    </message>
    <message>
        <source>Количество цветов</source>
        <translation>Număr de culori</translation>
    </message>
    <message>
        <source>8 цветов</source>
        <translation>8 culori</translation>
    </message>
    <message>
        <source>7 цветов</source>
        <translation>7 culori</translation>
    </message>
    <message>
        <source>6 цветов</source>
        <translation>6 culori</translation>
    </message>
    <message>
        <source>5 цветов</source>
        <translation>5 culori</translation>
    </message>
    <message>
        <source>Скорость обновления</source>
        <translation>Viteză</translation>
    </message>
    <message>
        <source>10 раз в сек</source>
        <translation>De 10 ori pe secundă</translation>
    </message>
    <message>
        <source>5 раз в сек</source>
        <translation>De 5 ori pe secundă</translation>
    </message>
    <message>
        <source>4 раза в сек</source>
        <translation>De 4 ori pe secundă</translation>
    </message>
    <message>
        <source>2 раза в сек</source>
        <translation>De două ori pe secundă</translation>
    </message>
    <message>
        <source>1 раз в сек</source>
        <translation>O dată pe secundă</translation>
    </message>
    <message>
        <source>Задействовать активные шарики</source>
        <translation>Folosește bile active</translation>
    </message>
    <message>
        <source>Активные шарики каждый ход</source>
        <translation>Bile active la fiecare mutare</translation>
    </message>
    <message>
        <source>Автоматическая игра</source>
        <translation>Joc automat</translation>
    </message>
    <message>
        <source>Значки на шариках</source>
        <translation>Simboluri pe bile</translation>
    </message>
</context>
<context>
    <name>Web</name>
    <message>
        <source>Игра окончена. Чтобы начать новую игру, обновите страницу.</source>
        <translation>Jocul s-a terminat. Pentru un joc nou, reîncarcă pagina.</translation>
    </message>
    <message>
        <source>Зорбель уже открыт в другой вкладке.</source>
        <translation>Zorbel este deja deschis în altă filă.</translation>
    </message>
    <message>
        <source>Перенести игру сюда</source>
        <translation>Mută jocul aici</translation>
    </message>
    <message>
        <source>Не удалось загрузить игру. Проверьте подключение к сети.</source>
        <translation>Jocul nu a putut fi încărcat. Verifică conexiunea la rețea.</translation>
    </message>
    <message>
        <source>Попробовать снова</source>
        <translation>Încearcă din nou</translation>
    </message>
</context>
<context>
    <name>Window</name>
    <message>
        <source>Зорбель</source>
        <translation>Zorbel</translation>
    </message>
</context>
</TS>
