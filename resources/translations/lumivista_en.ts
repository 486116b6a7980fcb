<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ru">
<context>
    <name>ElectronTheory</name>
    <message>
        <source>де Бройль: λ = h / √(2 m e U (1 + e U / 2 m c²))</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Напряжение должно быть больше 0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>U = %1 кВ: λ = %2 пм, без поправки %3 пм (%4 %)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Кольца r = K λ √N, N = 1…5 (простая кубическая решётка)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>радиусы, пикселей: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FocalScene</name>
    <message>
        <source>Линза</source>
        <translation>Lens</translation>
    </message>
</context>
<context>
    <name>FocalTheory</name>
    <message>
        <source>Параллельный пучок под углом φ собирается в фокальной плоскости на высоте y = F tg φ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>F = %1 пикс. (%2), φ = %3°</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>собирающая</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>рассеивающая, фокус мнимый</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>|φ| &gt; %1°: приближение малых углов не выполняется, точка не отмечена</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>F tg φ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>y = %1 пикс. от оси</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FraunhoferTheory</name>
    <message>
        <source>%1 (m = 1) = %2 мм, минимумов с каждой стороны: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: дальше углы не малы, формула неверна, минимумы не отмечены</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: минимумов на экране нет</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: дальше минимумы чаще 3 пикселей</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Минимумы: x = m λ L / a, y = m λ L / b</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>λ = %1 нм, L = %2 м, a = %3 м, b = %4 м</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FresnelTheory</name>
    <message>
        <source>Зон Френеля: m = r² (1/z₁ + 1/z₂) / λ; в центре I ~ sin²(π m / 2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Нет отверстия или данные неверны</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>λ = %1 нм, z₁ = %2 м, z₂ = %3 м, r = %4…%5 м</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Отверстие не мало по сравнению с z₁, z₂: формула зон неприменима</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Открыто зон: %1; в центре %2 (%3 от наибольшего)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>светло</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>темно</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Линии: границы зон в отверстии, в масштабе графика</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>GratingTheory</name>
    <message>
        <source>Решётка: d sin θ = m λ, d = 2000 нм; на экране (W − 350) · 0.4 · tg θ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1-й и 2-й порядки не показаны</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Белый свет: отмечены 400, 500, 600 и 700 нм</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 нм, m = %2: sin θ &gt; 1, такого направления нет</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 нм, m = %2: θ = %3°</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>У источника нет линий в показанных порядках</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HuygensTheory</name>
    <message>
        <source>Снеллиус: sin θ = n sin β; фронт перпендикулярен лучу</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>θ = %1°</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>n = %1 &lt; sin θ: угла преломления нет</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>n = %1: β = %2°</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>InterferenceTheory</name>
    <message>
        <source>Два источника: максимумы при r₁ − r₂ = m λ (линии), при малых углах y = m λ L / d (+)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 одинаковых источников: главные максимумы d sin θ = m λ (линии), при малых углах y = m λ L / d (+)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>λ = %1 нм, L = %2 м, d = %3 мм</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>m = 1: y = %1 мм, малые углы: %2 мм</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>С m = %1 малые углы расходятся с точным больше 1 %: + не ставится</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Максимумов на экране слишком много, чтобы их отметить</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Нет источников</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Один источник: интерференции нет</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Источники не одинаковы или не равноотстоят: простой формулы нет</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LensScene</name>
    <message>
        <source>П</source>
        <translation>O</translation>
    </message>
    <message>
        <source>И</source>
        <translation>I</translation>
    </message>
</context>
<context>
    <name>LensTheory</name>
    <message>
        <source>Тонкая линза: 1/d + 1/f = D, увеличение Γ = −f / d</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>D, d и h должны быть не равны 0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>D = %1 дптр (F = %2 см), d = %3 см, h = %4 см</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Предмет в фокусе: изображение в бесконечности</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>f = %1 см (%2), Γ = %3, h&apos; = %4 см</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>мнимое</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>действительное</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>И (теория)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Наклонный предмет: h&apos; = |Γ| h верно только для a = 90°</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MirrorTheory</name>
    <message>
        <source>S&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Изображение симметрично предмету: x&apos; = 2a − x, y&apos; = y</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a = %1, лампа (%2, %3): изображение (%4, %5)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Угол падения равен углу отражения: лучи отражаются при y = %1 и %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>NewtonTheory</name>
    <message>
        <source>Тёмные кольца: r = √(m λ R), светлые: r = √((m − ½) λ R)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>λ = %1 нм, R = %2 м</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Нет колец при этих данных</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>тёмные (○), мм: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>светлые (+), мм: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>В центре тёмное пятно: при отражении от пластинки теряется полволны</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Дальше от центра r ≪ R не выполняется: кольца не отмечены</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Дальше кольца чаще 2 пикселей: не отмечены</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PolarisationTheory</name>
    <message>
        <source>Малюс: I = I₀ cos² θ, I₀ = 0.5 (за первым поляризатором)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>θ = %1°: I / I₀ = %2, I = %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cos² θ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Брюстер: tg αБ = n; r∥ = tg(α − β) / tg(α + β), r⊥ = sin(α − β) / sin(α + β)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Показатели преломления должны быть больше 0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>n∥ = %1, n⊥ = %2: αБ = arctg n∥ = %3°</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>При α = %1° sin α &gt; n: преломлённой волны нет</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>α = %1°: r∥ = %2, r⊥ = %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Пластинка: Δφ = 2π (Ky − Kx) d / λ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Падающая волна</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>λ должна быть больше 0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>линейная</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>круговая</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>эллиптическая</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Δφ = %1°, с начальной f: Y опережает X на %2°</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Y опережает X на f = %1°</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Поляризация: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PrismTheory</name>
    <message>
        <source>Призма A = 60°: отклонение δ = i₁ + γ − A (закон Снеллиуса на гранях)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Нет луча: n &lt; 1 или лампа не слева от призмы</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>n = %1, D = %2, i₁ = %3°</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>красный</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>фиолетовый</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (n = %2): δ = %3°</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (n = %2): полное внутреннее отражение</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>к</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ф</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>δmin = 2 arcsin(n sin 30°) − A = %1° при i₁ = %2°</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RefractionTheory</name>
    <message>
        <source>Снеллиус: n₁ sin α = n₂ sin β; αкр = arcsin(n₂/n₁), αБ = arctg(n₂/n₁)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Показатели преломления должны быть больше 0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>n₁ = %1, n₂ = %2, α = %3°</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>sin β = n₁ sin α / n₂ &gt; 1: полное внутреннее отражение, преломлённого луча нет; R = 100 %</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>β</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>β = %1°; Rs = %2 %, Rp = %3 %, Ts = %4 %, Tp = %5 %</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>αкр</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>αкр = %1°</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>n₁ ≤ n₂: критического угла нет</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>αБ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>αБ = %1° (Rp = 0)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>Построение изображения в линзе</source>
        <translation>Image formed by a lens</translation>
    </message>
    <message>
        <source>Дисперсия луча света в призме</source>
        <translation>Dispersion of light in a prism</translation>
    </message>
    <message>
        <source>Преломление света на границе сред</source>
        <translation>Refraction at a boundary</translation>
    </message>
    <message>
        <source>Отражение света. Построение изображения в зеркале.</source>
        <translation>Reflection. The image in a mirror.</translation>
    </message>
    <message>
        <source>Фокусное расстояние линзы.</source>
        <translation>Focal length of a lens.</translation>
    </message>
    <message>
        <source>Спектрометр на дифракционной решетке</source>
        <translation>Diffraction grating spectrometer</translation>
    </message>
    <message>
        <source>Дифракция Фраунгофера</source>
        <translation>Fraunhofer diffraction</translation>
    </message>
    <message>
        <source>Дифракция Френеля</source>
        <translation>Fresnel diffraction</translation>
    </message>
    <message>
        <source>Поляризация волны</source>
        <translation>Polarisation of a wave</translation>
    </message>
    <message>
        <source>Интерференция от точечных источников</source>
        <translation>Interference from point sources</translation>
    </message>
    <message>
        <source>Кольца Ньютона</source>
        <translation>Newton&apos;s rings</translation>
    </message>
    <message>
        <source>Дифракция. Основные черты и закономерности.</source>
        <translation>Diffraction. Main features and laws.</translation>
    </message>
    <message>
        <source>Поляризация света при отражении и преломлении</source>
        <translation>Polarisation at reflection and refraction</translation>
    </message>
    <message>
        <source>Преломление по принципу Гюйгенса</source>
        <translation>Refraction by Huygens&apos; principle</translation>
    </message>
    <message>
        <source>Закон Малюса</source>
        <translation>Malus&apos;s law</translation>
    </message>
    <message>
        <source>Дифракция микрочастиц</source>
        <translation>Diffraction of microparticles</translation>
    </message>
    <message>
        <source>Рентгеновские спектры</source>
        <translation>X-ray spectra</translation>
    </message>
    <message>
        <source>Демонстрации</source>
        <translation>Demonstrations</translation>
    </message>
    <message>
        <source>Лумивиста: демонстрации по физике</source>
        <translation>Lumivista: physics demonstrations</translation>
    </message>
    <message>
        <source>Оптика и атомная физика</source>
        <translation>Optics and atomic physics</translation>
    </message>
    <message>
        <source>Авторы: команда проекта Lumivista</source>
        <translation>Authors: the Lumivista team</translation>
    </message>
    <message>
        <source>Сайт: lumivista.example</source>
        <translation>Site: lumivista.example</translation>
    </message>
    <message>
        <source>Справка по программе</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Выход из программы</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>Масштаб: %1</source>
        <translation>Scale: %1</translation>
    </message>
    <message>
        <source>Не удалось перезапустить программу.</source>
        <translation>Could not restart the program.</translation>
    </message>
</context>
<context>
    <name>TForm15</name>
    <message>
        <source>Демонстрация преломления света с использованием принципа Гюйгенса.</source>
        <translation>Refraction of light by Huygens&apos; principle.</translation>
    </message>
    <message>
        <source>Дважды щёлкните по рисунку, чтобы запустить</source>
        <translation>Double-click the picture to start</translation>
    </message>
    <message>
        <source>Волновой фронт, преломляющийся на границе сред по Гюйгенсу; двойной щелчок по рисунку запускает волну.</source>
        <translation>A wave front refracted at a boundary, after Huygens; double-click the picture to start the wave.</translation>
    </message>
    <message>
        <source>Угол падения, град:</source>
        <translation>Incidence, deg:</translation>
    </message>
    <message>
        <source>Шаг чередования:</source>
        <translation>Alternation step:</translation>
    </message>
    <message>
        <source>Толщина пучка:</source>
        <translation>Beam width:</translation>
    </message>
    <message>
        <source>Преломление 1:</source>
        <translation>Index 1:</translation>
    </message>
    <message>
        <source>Преломление 2:</source>
        <translation>Index 2:</translation>
    </message>
</context>
<context>
    <name>TForm2</name>
    <message>
        <source>Преломление света на границе сред.</source>
        <translation>Refraction at a boundary.</translation>
    </message>
    <message>
        <source>Луч, отражённый и преломлённый на границе двух сред; источник перетаскивается мышью.</source>
        <translation>A ray reflected and refracted at the boundary of two media; drag the source with the mouse.</translation>
    </message>
    <message>
        <source>Показатель преломления 1й среды:</source>
        <translation>Refractive index of medium 1:</translation>
    </message>
    <message>
        <source>Показатель преломления 2й среды:</source>
        <translation>Refractive index of medium 2:</translation>
    </message>
    <message>
        <source>Показатель дисперсии, 100000/нм:</source>
        <translation>Dispersion, 100000/nm:</translation>
    </message>
</context>
<context>
    <name>TForm3</name>
    <message>
        <source>Построение изображения в линзе.</source>
        <translation>Image formed by a lens.</translation>
    </message>
    <message>
        <source>Построение изображения предмета в тонкой линзе; предмет и линзу можно перетаскивать мышью, значения задаются внизу.</source>
        <translation>How a thin lens forms the image of an object; drag the object and the lens with the mouse, set the values below.</translation>
    </message>
    <message>
        <source>Предмет</source>
        <translation>Object</translation>
    </message>
    <message>
        <source>Изображение</source>
        <translation>Image</translation>
    </message>
    <message>
        <source>Линза</source>
        <translation>Lens</translation>
    </message>
    <message>
        <source>Ось</source>
        <translation>Axis</translation>
    </message>
    <message>
        <source>Луч 1</source>
        <translation>Ray 1</translation>
    </message>
    <message>
        <source>Луч 2</source>
        <translation>Ray 2</translation>
    </message>
    <message>
        <source>Фон</source>
        <translation>Background</translation>
    </message>
    <message>
        <source>Оптическая сила линзы, D=</source>
        <translation>Lens power, D=</translation>
    </message>
    <message>
        <source>дптр</source>
        <translation>dpt</translation>
    </message>
    <message>
        <source>Расстояние до предмета, d=</source>
        <translation>Object distance, d=</translation>
    </message>
    <message>
        <source>см</source>
        <translation>cm</translation>
    </message>
    <message>
        <source>Высота предмета, h=</source>
        <translation>Object height, h=</translation>
    </message>
    <message>
        <source>Угол наклона предмета, a=</source>
        <translation>Object tilt, a=</translation>
    </message>
    <message>
        <source>град</source>
        <translation>deg</translation>
    </message>
    <message>
        <source>Построить изображение</source>
        <translation>Form the image</translation>
    </message>
    <message>
        <source>Расстояние до изображения, f=</source>
        <translation>Image distance, f=</translation>
    </message>
    <message>
        <source>Высота изображения, h&apos;=</source>
        <translation>Image height, h&apos;=</translation>
    </message>
</context>
<context>
    <name>TForm4</name>
    <message>
        <source>Дисперсия света</source>
        <translation>Dispersion of light</translation>
    </message>
    <message>
        <source>Луч белого света, разложенный призмой в спектр; источник перетаскивается мышью.</source>
        <translation>A ray of white light split into a spectrum by a prism; drag the source with the mouse.</translation>
    </message>
    <message>
        <source>Схема спектрометра на призме</source>
        <translation>Prism spectrometer</translation>
    </message>
    <message>
        <source>Моделирование</source>
        <translation>Simulation</translation>
    </message>
    <message>
        <source>Часть лучей испытала полное внутреннее отражение</source>
        <translation>Some rays were totally internally reflected</translation>
    </message>
    <message>
        <source>Показатель преломления материала:</source>
        <translation>Refractive index of the material:</translation>
    </message>
    <message>
        <source>Показатель дисперсии, 10000/нм:</source>
        <translation>Dispersion, 10000/nm:</translation>
    </message>
</context>
<context>
    <name>TForm5</name>
    <message>
        <source>Отражение света. Построение изображения в зеркале.</source>
        <translation>Reflection. The image in a mirror.</translation>
    </message>
    <message>
        <source>Предмет, плоское зеркало и его изображение с лучами к глазу; предмет и глаз перетаскиваются мышью.</source>
        <translation>An object, a plane mirror and the object&apos;s image, with rays to the eye; drag the object and the eye with the mouse.</translation>
    </message>
</context>
<context>
    <name>TForm6</name>
    <message>
        <source>Фокусное расстояние линзы.</source>
        <translation>Focal length of a lens.</translation>
    </message>
    <message>
        <source>Линза и фронт света, сходящийся в фокусе; фокальную линию можно перетащить мышью, двойной щелчок запускает свет заново.</source>
        <translation>A lens and a light front converging at the focus; drag the focal line with the mouse, double-click to send the light again.</translation>
    </message>
</context>
<context>
    <name>XrayTheory</name>
    <message>
        <source>Дуэйн–Хант: λmin = hc / (eV) = 12398.5 / %1 = %2 Å</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>λmin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Мозли: E(Kα) = ¾ · 13.6 эВ · (Z − 1)², %1: Z = %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E(Kα) = %1 эВ, λ(Kα) = %2 Å</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>λmin &gt; λ(Kα): при этом напряжении таких фотонов нет, линии быть не может</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>λ(Kα) вне графика (больше 7 Å)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kα</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
