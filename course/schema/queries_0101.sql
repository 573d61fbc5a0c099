-- "0101" courses: lesson plans carry the lesson's item number, resources their Spanish document and
-- page range.
INSERT INTO _queries (name, sql) VALUES
('qLoadLessonPlan',
 'SELECT LessonPlanID, TreeID, LPDate, Title, ItemNumber, blocked, Objective1, Objective2, Objective3,
         Objective4, Objective5 FROM LessonPlans WHERE LPDate = ?1 ORDER BY LessonPlanID'),
('qAddBWLesson',
 'SELECT TreeID, Title, ItemNumber, Objective1, Objective2, Objective3, Objective4, Objective5
    FROM LessonTree WHERE TreeID = ?1'),
('qGetResourceDetails',
 'SELECT ResourceID, TypeID, TreeID, Title, Duration, PlanItem, SortOrder, PDFFile, Descript, Header,
         PDFSpanish, pdfpagestart, pdfpageend FROM Resources WHERE ResourceID = ?1');
