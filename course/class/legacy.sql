-- A class file of an older template: no SortIndex yet, and yes/no fields that may hold Null.
CREATE TABLE Version (DBName TEXT, DBVersion TEXT);
CREATE TABLE Class (Teacher TEXT, Subject TEXT, Period TEXT, Comments TEXT, Version TEXT);
CREATE TABLE LessonPlans (LessonPlanID INTEGER PRIMARY KEY AUTOINCREMENT, TreeID INTEGER,
    LPDate DATE, Title TEXT, ItemNumber TEXT, blocked BOOLEAN DEFAULT 0,
    Objective1 TEXT, Objective2 TEXT, Objective3 TEXT, Objective4 TEXT, Objective5 TEXT);
CREATE INDEX LessonPlans_Date ON LessonPlans(LPDate);
CREATE TABLE LessonResources (LessonItemID INTEGER PRIMARY KEY AUTOINCREMENT, LessonPlanID INTEGER,
    ResourceID INTEGER, TypeID INTEGER, Title TEXT, Duration SMALLINT, SortOrder SMALLINT,
    Descript TEXT, Header BOOLEAN DEFAULT 0);
CREATE INDEX LessonResources_Plan ON LessonResources(LessonPlanID, SortOrder);
