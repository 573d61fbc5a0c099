-- The class of LARGE: a plan on every school day of the year from Monday 30 August 2027 to Friday
-- 5 May 2028 (36 weeks), 22 of them special days; the other days take the units' lessons in order,
-- each plan with its lesson's ten resources.
INSERT INTO Version VALUES ('LARGE', 'LK2-0.0.3');
INSERT INTO Class VALUES ('Ms. Example', 'Science', '2nd period', 'The large benchmark class', 'LK2-0.0.3');

CREATE TEMP TABLE Special (LPDate TEXT PRIMARY KEY, Title TEXT);
INSERT INTO Special VALUES ('2027-09-06', 'Labor Day'), ('2027-10-11', 'Teacher Workday'),
    ('2027-11-11', 'Veterans Day'), ('2027-11-25', 'Thanksgiving'), ('2027-11-26', 'Thanksgiving'),
    ('2028-01-17', 'Martin Luther King Jr. Day'), ('2028-02-21', 'Presidents Day');
WITH RECURSIVE d(day) AS (SELECT '2027-12-20' UNION ALL SELECT date(day, '+1 day') FROM d WHERE day < '2027-12-31')
INSERT INTO Special SELECT day, 'Winter Break' FROM d WHERE strftime('%w', day) NOT IN ('0', '6');
WITH RECURSIVE d(day) AS (SELECT '2028-03-27' UNION ALL SELECT date(day, '+1 day') FROM d WHERE day < '2028-03-31')
INSERT INTO Special SELECT day, 'Spring Break' FROM d;

WITH RECURSIVE d(day) AS (SELECT '2027-08-30' UNION ALL SELECT date(day, '+1 day') FROM d WHERE day < '2028-05-05'),
school(day) AS (SELECT day FROM d WHERE strftime('%w', day) NOT IN ('0', '6')),
lessons(day, k) AS (SELECT day, row_number() OVER (ORDER BY day) FROM school
                    WHERE day NOT IN (SELECT LPDate FROM Special))
INSERT INTO LessonPlans (TreeID, LPDate, Title, ItemNumber, blocked, Objective1, Objective2, Objective5)
SELECT TreeID, LPDate, Title, ItemNumber, blocked, Objective1, Objective2, Objective5 FROM (
    SELECT 1000 + k AS TreeID, day AS LPDate, 'Lesson ' || k || ': Measuring What We See' AS Title,
           CAST((k - 1) % 20 + 1 AS TEXT) AS ItemNumber, 0 AS blocked,
           'Students observe, measure and record the changes of lesson ' || k || ' in their science journals.'
               AS Objective1,
           'Predict, observe and explain.' AS Objective2,
           CASE WHEN k % 3 = 0 THEN 'Local note for lesson ' || k || '.' END AS Objective5
    FROM lessons
    UNION ALL
    SELECT -666, LPDate, Title, NULL, 1, NULL, NULL, NULL FROM Special)
ORDER BY LPDate;

WITH RECURSIVE j(j) AS (SELECT 1 UNION ALL SELECT j + 1 FROM j WHERE j < 10)
INSERT INTO LessonResources (LessonPlanID, ResourceID, TypeID, Title, Duration, SortOrder, Descript, Header)
SELECT p.LessonPlanID, (p.TreeID - 1001) * 10 + j, j, 'Lesson ' || (p.TreeID - 1000) || ' resource ' || j,
       CASE WHEN j = 1 THEN -1 ELSE 5 * ((j - 1) % 4 + 1) END, j,
       'What to do with resource ' || ((p.TreeID - 1001) * 10 + j) || ' of this lesson.',
       CASE WHEN j = 1 THEN 1 ELSE 0 END
FROM LessonPlans p, j WHERE p.TreeID > 0 ORDER BY p.LessonPlanID, j;
DROP TABLE temp.Special;
