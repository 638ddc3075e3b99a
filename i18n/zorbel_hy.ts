<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hy" sourcelanguage="ru_RU">
<context>
    <name>Board</name>
    <message>
        <source>красный</source>
        <translation>կարմիր</translation>
    </message>
    <message>
        <source>жёлтый</source>
        <translation>դեղին</translation>
    </message>
    <message>
        <source>зелёный</source>
        <translation>կանաչ</translation>
    </message>
    <message>
        <source>голубой</source>
        <translation>երկնագույն</translation>
    </message>
    <message>
        <source>синий</source>
        <translation>կապույտ</translation>
    </message>
    <message>
        <source>пурпурный</source>
        <translation>մանուշակագույն</translation>
    </message>
    <message>
        <source>слоновая кость</source>
        <translation>փղոսկրագույն</translation>
    </message>
    <message>
        <source>оранжевый</source>
        <translation>նարնջագույն</translation>
    </message>
    <message>
        <source>Игровое поле</source>
        <translation>Խաղադաշտ</translation>
    </message>
    <message>
        <source>пусто</source>
        <translation>դատարկ</translation>
    </message>
    <message>
        <source>выбран</source>
        <translation>ընտրված</translation>
    </message>
    <message>
        <source>отмечен</source>
        <translation>նշված</translation>
    </message>
    <message>
        <source>активный</source>
        <translation>ակտիվ</translation>
    </message>
    <message>
        <source>строка %1, столбец %2</source>
        <translation>տող %1, սյունակ %2</translation>
    </message>
</context>
<context>
    <name>Labels</name>
    <message>
        <source>Ходов: %1</source>
        <translation>Քայլեր: %1</translation>
    </message>
    <message>
        <source>Ходов нет!</source>
        <translation>Քայլեր չկան!</translation>
    </message>
    <message>
        <source>Счёт: %1</source>
        <translation>Միավոր: %1</translation>
    </message>
    <message>
        <source>Счёт: %1+</source>
        <translation>Միավոր: %1+</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>Игра</source>
        <translation>Խաղ</translation>
    </message>
    <message>
        <source>Новая</source>
        <translation>Նոր խաղ</translation>
    </message>
    <message>
        <source>Подсказка</source>
        <translation>Հուշում</translation>
    </message>
    <message>
        <source>Настройки</source>
        <translation>Կարգավորումներ</translation>
    </message>
    <message>
        <source>Количество цветов</source>
        <translation>Գույների քանակ</translation>
    </message>
    <message>
        <source>8 цветов</source>
        <translation>8 գույն</translation>
    </message>
    <message>
        <source>7 цветов</source>
        <translation>7 գույն</translation>
    </message>
    <message>
        <source>6 цветов</source>
        <translation>6 գույն</translation>
    </message>
    <message>
        <source>5 цветов</source>
        <translation>5 գույն</translation>
    </message>
    <message>
        <source>Скорость обновления</source>
        <translation>Արագություն</translation>
    </message>
    <message>
        <source>10 раз в сек</source>
        <translation>Վայրկյանում 10 անգամ</translation>
    </message>
    <message>
        <source>5 раз в сек</source>
        <translation>Վայրկյանում 5 անգամ</translation>
    </message>
    <message>
        <source>4 раза в сек</source>
        <translation>Վայրկյանում 4 անգամ</translation>
    </message>
    <message>
        <source>2 раза в сек</source>
        <translation>Վայրկյանում 2 անգամ</translation>
    </message>
    <message>
        <source>1 раз в сек</source>
        <translation>Վայրկյանում 1 անգամ</translation>
    </message>
    <message>
        <source>Задействовать активные шарики</source>
        <translation>Օգտագործել ակտիվ գնդիկներ</translation>
    </message>
    <message>
        <source>Активные шарики каждый ход</source>
        <translation>Ակտիվ գնդիկներ ամեն քայլին</translation>
    </message>
    <message>
        <source>Автоматическая игра</source>
        <translation>Ավտոմատ խաղ</translation>
    </message>
    <message>
        <source>Значки на шариках</source>
        <translation>Սիմվոլներ գնդիկների վրա</translation>
    </message>
</context>
<context>
    <name>Web</name>
    <message>
        <source>Игра окончена. Чтобы начать новую игру, обновите страницу.</source>
        <translation>Խաղն ավարտվեց։ Նոր խաղ սկսելու համար թարմացրեք էջը։</translation>
    </message>
    <message>
        <source>Зорбель уже открыт в другой вкладке.</source>
        <translation>Zorbel խաղն արդեն բաց է մեկ այլ ներդիրում։</translation>
    </message>
    <message>
        <source>Перенести игру сюда</source>
        <translation>Տեղափոխել խաղն այստեղ</translation>
    </message>
    <message>
        <source>Не удалось загрузить игру. Проверьте подключение к сети.</source>
        <translation>Չհաջողվեց բեռնել խաղը։ Ստուգեք ցանցային կապը։</translation>
    </message>
    <message>
        <source>Попробовать снова</source>
        <translation>Կրկին փորձել</translation>
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
