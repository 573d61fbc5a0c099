-- "0100" courses: without the item number of a plan and the Spanish document and page range of a
-- resource, which such courses never read.
INSERT INTO _queries (name, sql) VALUES
('qLoadLessonPlan',
 'SELECT LessonPlanID, TreeID, LPDate, Title, blocked, Objective1, Objective2, Objective3,
         Objective4, Objective5 FROM LessonPlans WHERE LPDate = ?1 ORDER BY LessonPlanID'),
('qAddBWLesson',
 'SELECT TreeID, Title, Objective1, Objective2, Objective3, Objective4, Objective5
    FROM LessonTree WHERE TreeID = ?1'),
('qGetResourceDetails',
 'SELECT ResourceID, TypeID, TreeID, Title, Duration, PlanItem, SortOrder, PDFFile, Descript, Header
    FROM Resources WHERE ResourceID = ?1');
