<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="kk" sourcelanguage="ru_RU">
<context>
    <name>Board</name>
    <message>
        <source>красный</source>
        <translation>қызыл</translation>
    </message>
    <message>
        <source>жёлтый</source>
        <translation>сары</translation>
    </message>
    <message>
        <source>зелёный</source>
        <translation>жасыл</translation>
    </message>
    <message>
        <source>голубой</source>
        <translation>көгілдір</translation>
    </message>
    <message>
        <source>синий</source>
        <translation>көк</translation>
    </message>
    <message>
        <source>пурпурный</source>
        <translation>күлгін</translation>
    </message>
    <message>
        <source>слоновая кость</source>
        <translation>піл сүйегі</translation>
    </message>
    <message>
        <source>оранжевый</source>
        <translation>қызғылт сары</translation>
    </message>
    <message>
        <source>Игровое поле</source>
        <translation>Ойын алаңы</translation>
    </message>
    <message>
        <source>пусто</source>
        <translation>бос</translation>
    </message>
    <message>
        <source>выбран</source>
        <translation>таңдалған</translation>
    </message>
    <message>
        <source>отмечен</source>
        <translation>белгіленген</translation>
    </message>
    <message>
        <source>активный</source>
        <translation>белсенді</translation>
    </message>
    <message>
        <source>строка %1, столбец %2</source>
        <translation>%1-жол, %2-баған</translation>
    </message>
</context>
<context>
    <name>Labels</name>
    <message>
        <source>Ходов: %1</source>
        <translation>Жүрістер: %1</translation>
    </message>
    <message>
        <source>Ходов нет!</source>
        <translation>Жүріс жоқ!</translation>
    </message>
    <message>
        <source>Счёт: %1</source>
        <translation>Ұпай: %1</translation>
    </message>
    <message>
        <source>Счёт: %1+</source>
        <translation>Ұпай: %1+</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>Игра</source>
        <translation>Ойын</translation>
    </message>
    <message>
        <source>Новая</source>
        <translation>Жаңа ойын</translation>
    </message>
    <message>
        <source>Подсказка</source>
        <translation>Кеңес</translation>
    </message>
    <message>
        <source>Настройки</source>
        <translation>Баптаулар</translation>
    </message>
    <message>
        <source>Количество цветов</source>
        <translation>Түстер саны</translation>
    </message>
    <message>
        <source>8 цветов</source>
        <translation>8 түс</translation>
    </message>
    <message>
        <source>7 цветов</source>
        <translation>7 түс</translation>
    </message>
    <message>
        <source>6 цветов</source>
        <translation>6 түс</translation>
    </message>
    <message>
        <source>5 цветов</source>
        <translation>5 түс</translation>
    </message>
    <message>
        <source>Скорость обновления</source>
        <translation>Жылдамдық</translation>
    </message>
    <message>
        <source>10 раз в сек</source>
        <translation>Секундына 10 рет</translation>
    </message>
    <message>
        <source>5 раз в сек</source>
        <translation>Секундына 5 рет</translation>
    </message>
    <message>
        <source>4 раза в сек</source>
        <translation>Секундына 4 рет</translation>
    </message>
    <message>
        <source>2 раза в сек</source>
        <translation>Секундына 2 рет</translation>
    </message>
    <message>
        <source>1 раз в сек</source>
        <translation>Секундына 1 рет</translation>
    </message>
    <message>
        <source>Задействовать активные шарики</source>
        <translation>Белсенді шарларды қолдану</translation>
    </message>
    <message>
        <source>Активные шарики каждый ход</source>
        <translation>Әр жүрістен кейін белсенді шар</translation>
    </message>
    <message>
        <source>Автоматическая игра</source>
        <translation>Автоматты ойын</translation>
    </message>
    <message>
        <source>Значки на шариках</source>
        <translation>Шарлардағы белгілер</translation>
    </message>
</context>
<context>
    <name>Web</name>
    <message>
        <source>Игра окончена. Чтобы начать новую игру, обновите страницу.</source>
        <translation>Ойын аяқталды. Жаңа ойын бастау үшін бетті жаңартыңыз.</translation>
    </message>
    <message>
        <source>Зорбель уже открыт в другой вкладке.</source>
        <translation>Зорбель басқа қойындыда ашық тұр.</translation>
    </message>
    <message>
        <source>Перенести игру сюда</source>
        <translation>Ойынды осында көшіру</translation>
    </message>
    <message>
        <source>Не удалось загрузить игру. Проверьте подключение к сети.</source>
        <translation>Ойынды жүктеу мүмкін болмады. Желі байланысын тексеріңіз.</translation>
    </message>
    <message>
        <source>Попробовать снова</source>
        <translation>Қайталап көру</translation>
    </message>
</context>
<context>
    <name>Window</name>
    <message>
        <source>Зорбель</source>
        <translation>Зорбель</translation>
    </message>
</context>
</TS>
