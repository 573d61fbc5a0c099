-- The tables of a course database. The programs reach them only through the saved queries (and the
-- resource browser's SQL over Resources); the layer keeps the queries in _queries and the stored
-- links in _links.
CREATE TABLE CourseInfo (DBVersion TEXT NOT NULL, Note TEXT);
CREATE TABLE LessonTree (
    TreeID INTEGER PRIMARY KEY,           -- 1..32767; 0, -1, -666 and -999 are markers
    ParentID INTEGER NOT NULL DEFAULT 0,  -- roots hold 0
    SortOrder INTEGER NOT NULL DEFAULT 0, -- the order within a level
    ItemNumber TEXT, Title TEXT NOT NULL,
    Objective1 TEXT, Objective2 TEXT, Objective3 TEXT, Objective4 TEXT, Objective5 TEXT,
    HasChildren BOOLEAN);                 -- stored, may be Null
CREATE INDEX LessonTree_Level ON LessonTree(ParentID, SortOrder);
CREATE TABLE ResourceTypes (TypeID INTEGER PRIMARY KEY, Title TEXT);
CREATE TABLE Resources (
    ResourceID INTEGER PRIMARY KEY CHECK (ResourceID > 0),
    TreeID INTEGER NOT NULL DEFAULT 0, TypeID INTEGER NOT NULL DEFAULT 0, Title TEXT,
    Duration INTEGER NOT NULL DEFAULT 0, PlanItem BOOLEAN NOT NULL DEFAULT 0,
    SortOrder INTEGER NOT NULL DEFAULT 0, Descript TEXT, Header BOOLEAN NOT NULL DEFAULT 0,
    PDFFile TEXT, PDFSpanish TEXT, pdfpagestart INTEGER, pdfpageend INTEGER);
CREATE INDEX Resources_Lesson ON Resources(TreeID, SortOrder);
CREATE TABLE ResLib (
    ResLibID INTEGER PRIMARY KEY,
    Library INTEGER NOT NULL CHECK (Library IN (1, 2)), -- 1 by chapter, 2 by type
    ParentID INTEGER NOT NULL DEFAULT 0, SortOrder INTEGER NOT NULL DEFAULT 0,
    Title TEXT NOT NULL, HasChildren BOOLEAN);
CREATE INDEX ResLib_Level ON ResLib(Library, ParentID, SortOrder);
CREATE TABLE ResLibItems (
    ResLibID INTEGER NOT NULL REFERENCES ResLib(ResLibID),
    ResourceID INTEGER NOT NULL REFERENCES Resources(ResourceID),
    SortOrder INTEGER NOT NULL DEFAULT 0, PRIMARY KEY (ResLibID, ResourceID));
CREATE TABLE _queries (name TEXT PRIMARY KEY COLLATE NOCASE, sql TEXT NOT NULL,
    update_table TEXT, update_key TEXT);
CREATE TABLE _links (name TEXT PRIMARY KEY, source_table TEXT NOT NULL, connect TEXT NOT NULL);
