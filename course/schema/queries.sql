-- The saved queries every course has. qLoadLessonPlan, qAddBWLesson and qGetResourceDetails differ by
-- the course's data version (queries_0101.sql, queries_0100.sql).
INSERT INTO _queries (name, sql) VALUES
('qLessonScheduled',
 'SELECT blocked FROM LessonPlans WHERE LPDate = ?1 ORDER BY LessonPlanID'),
('qDeleteLessonPlanResources',
 'DELETE FROM LessonResources WHERE LessonPlanID = ?1'),
('qDeleteLessonPlan',
 'DELETE FROM LessonPlans WHERE LessonPlanID = ?1'),
('qGetBwLessonInfo',
 'SELECT TreeID, Title, ParentID, ItemNumber, Objective1, Objective2, Objective3, Objective4, Objective5,
         COALESCE(HasChildren, 0) AS HasChildren FROM LessonTree WHERE TreeID = ?1'),
('qAddCoreResources',
 'SELECT ResourceID, TypeID, Title, Duration, SortOrder, Descript, Header FROM Resources
   WHERE TreeID = ?1 AND PlanItem <> 0 ORDER BY SortOrder, ResourceID'),
('qAddResourceToLesson',
 'SELECT ResourceID, TypeID, Title, Duration, Descript, Header FROM Resources WHERE ResourceID = ?1'),
('qLessonTime',
 'SELECT LessonPlanID, SUM(CASE WHEN COALESCE(Header, 0) = 0 AND Duration > 0 THEN Duration ELSE 0 END)
         AS SumOfDuration FROM LessonResources WHERE LessonPlanID = ?1 GROUP BY LessonPlanID'),
('qResourcesToArray',
 'SELECT ResourceID, TypeID, Title, Duration, SortOrder, Descript, Header FROM LessonResources
   WHERE LessonPlanID = ?1 ORDER BY SortOrder, LessonItemID'),
('qNextSortOrder',
 'SELECT MAX(SortOrder) + 1 AS NextSO FROM LessonResources WHERE LessonPlanID = ?1'),
('qFillResourceTypeRoots',
 'SELECT Title, ResLibID, HasChildren FROM ResLib WHERE Library = 2 AND ParentID = 0 ORDER BY SortOrder, ResLibID'),
('qFillResourceChapterRoots',
 'SELECT Title, ResLibID, HasChildren FROM ResLib WHERE Library = 1 AND ParentID = 0 ORDER BY SortOrder, ResLibID'),
('qFillLessonTreeRoots',
 'SELECT TreeID, HasChildren FROM LessonTree WHERE ParentID = 0 ORDER BY SortOrder, TreeID'),
('qFillLessonChildren',
 'SELECT TreeID, HasChildren FROM LessonTree WHERE ParentID = ?1 ORDER BY SortOrder, TreeID'),
('qFillResourceTypeChildren',
 'SELECT Title, ResLibID, HasChildren FROM ResLib WHERE Library = 2 AND ParentID = ?1 ORDER BY SortOrder, ResLibID'),
('qFillResourceChapterChildren',
 'SELECT Title, ResLibID, HasChildren FROM ResLib WHERE Library = 1 AND ParentID = ?1 ORDER BY SortOrder, ResLibID'),
('qHasResources',
 'SELECT CASE WHEN TRIM(COALESCE(r.PDFFile, '''')) <> '''' THEN 1 ELSE 0 END AS HasPDF, r.ResourceID
    FROM ResLibItems i JOIN ResLib n ON n.ResLibID = i.ResLibID AND n.Library = 1
    JOIN Resources r ON r.ResourceID = i.ResourceID
   WHERE i.ResLibID = ?1 ORDER BY i.SortOrder, r.ResourceID'),
('qTypeHasResources',
 'SELECT CASE WHEN TRIM(COALESCE(r.PDFFile, '''')) <> '''' THEN 1 ELSE 0 END AS HasPDF, r.ResourceID
    FROM ResLibItems i JOIN ResLib n ON n.ResLibID = i.ResLibID AND n.Library = 2
    JOIN Resources r ON r.ResourceID = i.ResourceID
   WHERE i.ResLibID = ?1 ORDER BY i.SortOrder, r.ResourceID'),
('qGetTypeName',
 'SELECT Title FROM ResourceTypes WHERE TypeID = ?1'),
('qGetTypeResourceID',
 'SELECT r.ResourceID FROM ResLibItems i JOIN ResLib n ON n.ResLibID = i.ResLibID AND n.Library = 2
    JOIN Resources r ON r.ResourceID = i.ResourceID WHERE i.ResLibID = ?1 ORDER BY i.SortOrder, r.ResourceID'),
('qGetChapterResourceID',
 'SELECT r.ResourceID FROM ResLibItems i JOIN ResLib n ON n.ResLibID = i.ResLibID AND n.Library = 1
    JOIN Resources r ON r.ResourceID = i.ResourceID WHERE i.ResLibID = ?1 ORDER BY i.SortOrder, r.ResourceID'),
('qGetParentLessonID',
 'SELECT ParentID FROM LessonTree WHERE TreeID = ?1 AND ParentID <> 0'),
('qLPIDDateSpan',
 'SELECT LessonPlanID FROM LessonPlans WHERE LPDate BETWEEN ?1 AND ?2 ORDER BY LPDate, LessonPlanID'),
('qLessonResources',
 'SELECT ResourceID FROM LessonResources WHERE LessonPlanID = ?1 AND ResourceID > 0
   ORDER BY SortOrder, LessonItemID'),
('DBInformation',
 'SELECT DBVersion FROM CourseInfo LIMIT 1'),
('qPrimaryTreeNodes',
 'SELECT TreeID, ItemNumber, Title FROM LessonTree WHERE ParentID = 0 ORDER BY SortOrder, TreeID'),
('qChildNodes',
 'SELECT TreeID, ItemNumber, Title, HasChildren FROM LessonTree
   WHERE ParentID = CAST(:id AS INTEGER) ORDER BY SortOrder, TreeID'),
('qObjectives',
 'SELECT Objective1, Objective2, Objective3, Objective4, Objective5 FROM LessonTree WHERE TreeID = :id'),
('qTestRecordExistence',
 'SELECT TreeID FROM LessonTree WHERE TreeID = ?1'),
('qChildless',
 'SELECT TreeID, Objective5 FROM LessonTree WHERE COALESCE(HasChildren, 0) = 0 ORDER BY TreeID');

-- Updatable: the layer writes to update_table by update_key.
INSERT INTO _queries (name, sql, update_table, update_key) VALUES
('qUpdateLessonObjectives',
 'SELECT LessonPlanID, Objective1, Objective2, Objective3, Objective4, Objective5
    FROM LessonPlans WHERE LessonPlanID = ?1', 'LessonPlans', 'LessonPlanID'),
('qSwapResourceSort',
 'SELECT LessonItemID, SortOrder FROM LessonResources
   WHERE LessonItemID IN (CAST(?1 AS INTEGER), CAST(?2 AS INTEGER)) AND LessonPlanID = ?3
   ORDER BY SortOrder, LessonItemID', 'LessonResources', 'LessonItemID'),
('qUpdateObjective5',
 'SELECT TreeID, Objective5 FROM LessonTree WHERE TreeID = ?1', 'LessonTree', 'TreeID');
