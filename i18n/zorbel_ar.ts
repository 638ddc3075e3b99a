<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar" sourcelanguage="ru_RU">
<context>
    <name>Board</name>
    <message>
        <source>красный</source>
        <translation>أحمر</translation>
    </message>
    <message>
        <source>жёлтый</source>
        <translation>أصفر</translation>
    </message>
    <message>
        <source>зелёный</source>
        <translation>أخضر</translation>
    </message>
    <message>
        <source>голубой</source>
        <translation>سماوي</translation>
    </message>
    <message>
        <source>синий</source>
        <translation>أزرق</translation>
    </message>
    <message>
        <source>пурпурный</source>
        <translation>أرجواني</translation>
    </message>
    <message>
        <source>слоновая кость</source>
        <translation>عاجي</translation>
    </message>
    <message>
        <source>оранжевый</source>
        <translation>برتقالي</translation>
    </message>
    <message>
        <source>Игровое поле</source>
        <translation>لوحة اللعب</translation>
    </message>
    <message>
        <source>пусто</source>
        <translation>فارغ</translation>
    </message>
    <message>
        <source>выбран</source>
        <translation>محدد</translation>
    </message>
    <message>
        <source>отмечен</source>
        <translation>معلَّم</translation>
    </message>
    <message>
        <source>активный</source>
        <translation>نشط</translation>
    </message>
    <message>
        <source>строка %1, столбец %2</source>
        <translation>الصف %1، العمود %2</translation>
    </message>
</context>
<context>
    <name>Labels</name>
    <message>
        <source>Ходов: %1</source>
        <translation>الحركات: %1</translation>
    </message>
    <message>
        <source>Ходов нет!</source>
        <translation>لا حركات!</translation>
    </message>
    <message>
        <source>Счёт: %1</source>
        <translation>النقاط: %1</translation>
    </message>
    <message>
        <source>Счёт: %1+</source>
        <translation>النقاط: %1+</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>Игра</source>
        <translation>اللعبة</translation>
    </message>
    <message>
        <source>Новая</source>
        <translation>لعبة جديدة</translation>
    </message>
    <message>
        <source>Подсказка</source>
        <translation>تلميح</translation>
    </message>
    <message>
        <source>Настройки</source>
        <translation>الإعدادات</translation>
    </message>
    <message>
        <source>Количество цветов</source>
        <translation>عدد الألوان</translation>
    </message>
    <message>
        <source>8 цветов</source>
        <translation>8 ألوان</translation>
    </message>
    <message>
        <source>7 цветов</source>
        <translation>7 ألوان</translation>
    </message>
    <message>
        <source>6 цветов</source>
        <translation>6 ألوان</translation>
    </message>
    <message>
        <source>5 цветов</source>
        <translation>5 ألوان</translation>
    </message>
    <message>
        <source>Скорость обновления</source>
        <translation>السرعة</translation>
    </message>
    <message>
        <source>10 раз в сек</source>
        <translation>10 مرات في الثانية</translation>
    </message>
    <message>
        <source>5 раз в сек</source>
        <translation>5 مرات في الثانية</translation>
    </message>
    <message>
        <source>4 раза в сек</source>
        <translation>4 مرات في الثانية</translation>
    </message>
    <message>
        <source>2 раза в сек</source>
        <translation>مرتان في الثانية</translation>
    </message>
    <message>
        <source>1 раз в сек</source>
        <translation>مرة واحدة في الثانية</translation>
    </message>
    <message>
        <source>Задействовать активные шарики</source>
        <translation>استخدام الكرات النشطة</translation>
    </message>
    <message>
        <source>Активные шарики каждый ход</source>
        <translation>كرات نشطة في كل حركة</translation>
    </message>
    <message>
        <source>Автоматическая игра</source>
        <translation>لعب تلقائي</translation>
    </message>
    <message>
        <source>Значки на шариках</source>
        <translation>رموز على الكرات</translation>
    </message>
</context>
<context>
    <name>Web</name>
    <message>
        <source>Игра окончена. Чтобы начать новую игру, обновите страницу.</source>
        <translation>انتهت اللعبة. لبدء لعبة جديدة، أعد تحميل الصفحة.</translation>
    </message>
    <message>
        <source>Зорбель уже открыт в другой вкладке.</source>
        <translation>لعبة Zorbel مفتوحة بالفعل في علامة تبويب أخرى.</translation>
    </message>
    <message>
        <source>Перенести игру сюда</source>
        <translation>نقل اللعبة إلى هنا</translation>
    </message>
    <message>
        <source>Не удалось загрузить игру. Проверьте подключение к сети.</source>
        <translation>تعذّر تحميل اللعبة. تحقّق من اتصالك بالشبكة.</translation>
    </message>
    <message>
        <source>Попробовать снова</source>
        <translation>إعادة المحاولة</translation>
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
