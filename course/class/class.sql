-- The class-file template "CLASS.NEW": one class per file. Counters never reuse a value
-- (AUTOINCREMENT); yes/no fields hold 0/1 and are never Null; Title takes a special day's 150
-- characters and more.
CREATE TABLE Version (DBName TEXT, DBVersion TEXT);
CREATE TABLE Class (Teacher TEXT, Subject TEXT, Period TEXT, Comments TEXT, Version TEXT);
CREATE TABLE LessonPlans (
    LessonPlanID INTEGER PRIMARY KEY AUTOINCREMENT,
    TreeID INTEGER,
    LPDate DATE,
    Title VARCHAR(255),
    ItemNumber TEXT,
    blocked BOOLEAN NOT NULL DEFAULT 0,
    Objective1 TEXT, Objective2 TEXT, Objective3 TEXT, Objective4 TEXT, Objective5 TEXT);
CREATE INDEX LessonPlans_Date ON LessonPlans(LPDate);
CREATE TABLE LessonResources (
    LessonItemID INTEGER PRIMARY KEY AUTOINCREMENT,
    LessonPlanID INTEGER,
    ResourceID INTEGER,
    TypeID INTEGER,
    Title TEXT,
    Duration SMALLINT,
    SortOrder SMALLINT,
    Descript TEXT,
    Header BOOLEAN NOT NULL DEFAULT 0,
    SortIndex SMALLINT);
CREATE INDEX LessonResources_Plan ON LessonResources(LessonPlanID, SortOrder);
