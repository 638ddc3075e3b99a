<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fa" sourcelanguage="ru_RU">
<context>
    <name>Board</name>
    <message>
        <source>красный</source>
        <translation>قرمز</translation>
    </message>
    <message>
        <source>жёлтый</source>
        <translation>زرد</translation>
    </message>
    <message>
        <source>зелёный</source>
        <translation>سبز</translation>
    </message>
    <message>
        <source>голубой</source>
        <translation>فیروزه‌ای</translation>
    </message>
    <message>
        <source>синий</source>
        <translation>آبی</translation>
    </message>
    <message>
        <source>пурпурный</source>
        <translation>سرخابی</translation>
    </message>
    <message>
        <source>слоновая кость</source>
        <translation>عاجی</translation>
    </message>
    <message>
        <source>оранжевый</source>
        <translation>نارنجی</translation>
    </message>
    <message>
        <source>Игровое поле</source>
        <translation>صفحهٔ بازی</translation>
    </message>
    <message>
        <source>пусто</source>
        <translation>خالی</translation>
    </message>
    <message>
        <source>выбран</source>
        <translation>انتخاب‌شده</translation>
    </message>
    <message>
        <source>отмечен</source>
        <translation>علامت‌دار</translation>
    </message>
    <message>
        <source>активный</source>
        <translation>فعال</translation>
    </message>
    <message>
        <source>строка %1, столбец %2</source>
        <translation>سطر %1، ستون %2</translation>
    </message>
</context>
<context>
    <name>Labels</name>
    <message>
        <source>Ходов: %1</source>
        <translation>حرکت‌ها: %1</translation>
    </message>
    <message>
        <source>Ходов нет!</source>
        <translation>حرکتی نمانده!</translation>
    </message>
    <message>
        <source>Счёт: %1</source>
        <translation>امتیاز: %1</translation>
    </message>
    <message>
        <source>Счёт: %1+</source>
        <translation>امتیاز: %1+</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>Игра</source>
        <translation>بازی</translation>
    </message>
    <message>
        <source>Новая</source>
        <translation>بازی جدید</translation>
    </message>
    <message>
        <source>Подсказка</source>
        <translation>راهنمایی</translation>
    </message>
    <message>
        <source>Настройки</source>
        <translation>تنظیمات</translation>
    </message>
    <message>
        <source>Количество цветов</source>
        <translation>تعداد رنگ‌ها</translation>
    </message>
    <message>
        <source>8 цветов</source>
        <translation>8 رنگ</translation>
    </message>
    <message>
        <source>7 цветов</source>
        <translation>7 رنگ</translation>
    </message>
    <message>
        <source>6 цветов</source>
        <translation>6 رنگ</translation>
    </message>
    <message>
        <source>5 цветов</source>
        <translation>5 رنگ</translation>
    </message>
    <message>
        <source>Скорость обновления</source>
        <translation>سرعت</translation>
    </message>
    <message>
        <source>10 раз в сек</source>
        <translation>10 بار در ثانیه</translation>
    </message>
    <message>
        <source>5 раз в сек</source>
        <translation>5 بار در ثانیه</translation>
    </message>
    <message>
        <source>4 раза в сек</source>
        <translation>4 بار در ثانیه</translation>
    </message>
    <message>
        <source>2 раза в сек</source>
        <translation>2 بار در ثانیه</translation>
    </message>
    <message>
        <source>1 раз в сек</source>
        <translation>1 بار در ثانیه</translation>
    </message>
    <message>
        <source>Задействовать активные шарики</source>
        <translation>استفاده از توپ‌های فعال</translation>
    </message>
    <message>
        <source>Активные шарики каждый ход</source>
        <translation>توپ فعال در هر حرکت</translation>
    </message>
    <message>
        <source>Автоматическая игра</source>
        <translation>بازی خودکار</translation>
    </message>
    <message>
        <source>Значки на шариках</source>
        <translation>نماد روی توپ‌ها</translation>
    </message>
</context>
<context>
    <name>Web</name>
    <message>
        <source>Игра окончена. Чтобы начать новую игру, обновите страницу.</source>
        <translation>بازی تمام شد. برای شروع بازی جدید، صفحه را دوباره بارگیری کنید.</translation>
    </message>
    <message>
        <source>Зорбель уже открыт в другой вкладке.</source>
        <translation>بازی Zorbel از قبل در زبانهٔ دیگری باز است.</translation>
    </message>
    <message>
        <source>Перенести игру сюда</source>
        <translation>انتقال بازی به اینجا</translation>
    </message>
    <message>
        <source>Не удалось загрузить игру. Проверьте подключение к сети.</source>
        <translation>بارگیری بازی ممکن نشد. اتصال شبکه را بررسی کنید.</translation>
    </message>
    <message>
        <source>Попробовать снова</source>
        <translation>تلاش دوباره</translation>
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
