-- LARGE: the benchmarks' course, "0101" like SAMPLE1. 10 units of 10 chapters of 20 lessons (2,000
-- lessons, TreeID 1001-3000), and one more root, the lesson bank (TreeID 11), whose 2,000 lessons
-- (5001-7000) form one flat level. Every lesson of the units has ten resources (20,000 in all), each
-- a page range of its unit's document; the chapter library mirrors the units and the bank, the type
-- library holds every resource under its type and unit.
INSERT INTO CourseInfo VALUES ('0110', 'Large benchmark course');

WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 2000)
INSERT INTO LessonTree (TreeID, ParentID, SortOrder, ItemNumber, Title,
                        Objective1, Objective2, Objective3, Objective4, Objective5, HasChildren)
SELECT i, 0, i, CAST(i AS TEXT), 'Unit ' || i || ': Patterns in the Natural World',
       NULL, NULL, NULL, NULL, NULL, 1 FROM n WHERE i <= 10
UNION ALL
SELECT 11, 0, 11, '11', 'Lesson Bank', NULL, NULL, NULL, NULL, NULL, 1
UNION ALL
SELECT 100 + i, (i - 1) / 10 + 1, (i - 1) % 10 + 1, CAST((i - 1) % 10 + 1 AS TEXT),
       'Chapter ' || i || ': Observing and Recording', NULL, NULL, NULL, NULL, NULL, 1 FROM n WHERE i <= 100
UNION ALL
SELECT 1000 + i, 100 + (i - 1) / 20 + 1, (i - 1) % 20 + 1, CAST((i - 1) % 20 + 1 AS TEXT),
       'Lesson ' || i || ': Measuring What We See',
       'Students observe, measure and record the changes of lesson ' || i || ' in their science journals.',
       'Predict, observe and explain.', NULL, NULL,
       CASE WHEN i % 3 = 0 THEN 'Local note for lesson ' || i || '.' END, 0 FROM n
UNION ALL
SELECT 5000 + i, 11, i, CAST(i AS TEXT), 'Bank Lesson ' || i || ': Review and Practice',
       'Review the ideas of bank lesson ' || i || '.', NULL, NULL, NULL, NULL, 0 FROM n;

INSERT INTO ResourceTypes VALUES (1, 'Teacher Guide'), (2, 'Activity Sheet'), (3, 'Video'), (4, 'Assessment'),
    (5, 'Reading'), (6, 'Lab'), (7, 'Game'), (8, 'Worksheet'), (9, 'Slides'), (10, 'Extension');

-- Resource (lesson - 1) * 10 + j is the j-th of lesson TreeID 1000 + lesson, of type j: the first a
-- heading, the last two not core; the second has a Spanish document too.
WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 20000)
INSERT INTO Resources (ResourceID, TreeID, TypeID, Title, Duration, PlanItem, SortOrder, Descript, Header,
                       PDFFile, PDFSpanish, pdfpagestart, pdfpageend)
SELECT i, 1000 + (i - 1) / 10 + 1, (i - 1) % 10 + 1,
       'Lesson ' || ((i - 1) / 10 + 1) || ' resource ' || ((i - 1) % 10 + 1),
       CASE WHEN (i - 1) % 10 = 0 THEN -1 ELSE 5 * ((i - 1) % 4 + 1) END,
       CASE WHEN (i - 1) % 10 < 8 THEN 1 ELSE 0 END, (i - 1) % 10 + 1,
       'What to do with resource ' || i || ' of this lesson.', CASE WHEN (i - 1) % 10 = 0 THEN 1 ELSE 0 END,
       'unit' || printf('%02d', (i - 1) / 2000 + 1) || '.pdf',
       CASE WHEN (i - 1) % 10 = 1 THEN 'unit' || printf('%02d', (i - 1) / 2000 + 1) || '_es.pdf' END,
       ((i - 1) / 10) % 20 + 1, ((i - 1) / 10) % 20 + 2
FROM n;

-- The chapter library (1): units 1-10 with chapters 101-200 and lessons 1001-3000, and the bank 11
-- with 5001-7000, numbered as the lesson tree. The type library (2): types 20001-20010, each with a
-- node per unit (20000 + type * 100 + unit).
WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 2000)
INSERT INTO ResLib (ResLibID, Library, ParentID, SortOrder, Title, HasChildren)
SELECT TreeID, 1, ParentID, SortOrder, Title, HasChildren FROM LessonTree
UNION ALL
SELECT 20000 + i, 2, 0, i, (SELECT Title FROM ResourceTypes WHERE TypeID = i), 1 FROM n WHERE i <= 10
UNION ALL
SELECT 20000 + ((i - 1) / 10 + 1) * 100 + (i - 1) % 10 + 1, 2, 20000 + (i - 1) / 10 + 1, (i - 1) % 10 + 1,
       'Unit ' || ((i - 1) % 10 + 1), 0 FROM n WHERE i <= 100;

INSERT INTO ResLibItems (ResLibID, ResourceID, SortOrder)
SELECT TreeID, ResourceID, SortOrder FROM Resources
UNION ALL
SELECT 20000 + TypeID * 100 + (TreeID - 1001) / 200 + 1, ResourceID, ResourceID FROM Resources
UNION ALL
SELECT 5000 + (ResourceID - 1) / 10 + 1, ResourceID, 1 FROM Resources WHERE ResourceID % 10 = 1;
