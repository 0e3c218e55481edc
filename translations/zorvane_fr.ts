<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>DataFiles</name>
    <message>
        <source>name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>offset from GMT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>daylight-saving hours</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>daylight saving used</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>daylight-saving start date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>daylight-saving end date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>location</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>capital</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>latitude</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>longitude</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>languages</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>map picture name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>brief history</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file could not be read: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file is larger than %1 MB; only its beginning was read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reading stopped in the three header lines: the file ends there.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reading stopped at entry %1%2, field %3 (%4): </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a date between # signs.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file ends there.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>countries.txt could be read only in part. </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> The entries from there on are empty or incomplete. The file has not been changed; saving the table is refused until the file reads whole again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The changes not saved could not be kept in %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The kept changes in %1 do not read whole, so they were not saved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a named pipe</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a device</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a socket</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a special file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is a symbolic link to a file that does not exist, so nothing was written</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file is read-only (you may not change it), so it was left as it is</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is %1, not a regular file, so it was left alone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is a symbolic link to %1, not to a regular file, so nothing was written</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is a symbolic link in a folder that is not yours alone (another user could have put it there), so nothing was written through it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is a chain of too many symbolic links, so nothing was written</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its symbolic link cannot be read, so nothing was written</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file is too large to add to</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it could not be read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is larger than %1 MB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>reading stopped in its header</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>reading stopped at entry %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>countries.txt was read only in part (%1), so saving the whole table would empty the entries after that point. Nothing was written. Mend the file and start Zorvane again.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DstUpdate</name>
    <message>
        <source>Entries not updated, no time zone known for their map picture name: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>empty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Entries not updated, their time zone is missing from this computer&apos;s time-zone database: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> to </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2 has %3 daylight saving stretches; its dates keep the longest and leave out %4.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The country file %1 does not exist, so no daylight saving dates were updated.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The country file %1 could not be opened, so no daylight saving dates were updated. The file is unchanged.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The country file %1 could be read only as far as entry %2 of %3. Writing it back would lose the entries after that, so no daylight saving dates were updated. The file is unchanged.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The country file %1 could not be saved: %2. The file on disk is unchanged.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The daylight saving dates in use are those of %1. Update them for %2 from this computer&apos;s time-zone database?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Daylight saving dates updated for %1 from this computer&apos;s time-zone database: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no entry changed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 entry changed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 entries changed.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>zv::ClockWindow</name>
    <message>
        <source>Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Local time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Includes a daylight saving time of</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>hrs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Normal timezone relative to GMT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Refresh</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DST in</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AM in</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PM in</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zorvane was ended with changes to the country table that had not been saved. They were kept in %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save them to countries.txt now? No discards them.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The kept changes could not be saved: %1. They are still in %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your time zone settings could not be saved to %1: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Includes a daylight saving time of (hrs)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Normal timezone relative to GMT (hrs)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sunlight Map</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use This Computer&apos;s Zone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Update Daylight Saving Dates</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Functions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Locate on World Map</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Highlight</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>More info</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change to...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The highlight could not be saved to highlight.txt: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The highlights could not be saved to highlight.txt: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>None found.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter the new time for </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type mismatch. Enter the again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This computer&apos;s time zone is not known, so the settings were left as they are.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Daylight saving time active in %1 countries/zones</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter partial or full name of the country to locate

Found items will be displayed in bright GREEN color
Press F5 to change to normal color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This computer&apos;s time zone could not be read, so the settings take the offset of its clock: %1 hours from GMT, without daylight saving time. If that is wrong, correct it in File, Settings; the settings are saved for the next start only when changed.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>zv::CountryInfoWindow</name>
    <message>
        <source>Country Information</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To edit any field, double-click to unlock and enter the new text.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Country or Zone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time now:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time zone relative to GMT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Uses daylight saving time of </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>hrs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>from</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(daylight saving time in force)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>to</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Further information</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Location</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Capital</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Locate on World Map</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Languages</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Brief History</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sa&amp;ve</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Find</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Changes once saved cannot be discarded.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Are you sure want to proceed?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The country file could not be saved: %1. The file on disk is unchanged; your changes are still here.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter partial or full name of the country to locate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>None found.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>53 File not found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>481 Invalid picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Image copied to clipboard.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This entry has no latitude or longitude to locate on the world map.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Country or Zone list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Entry number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time now</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scroll the map picture up and down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scroll the map picture left and right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Map picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>map picture name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>daylight saving hours</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>daylight saving used</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No entry is shown.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The box &quot;%1&quot; holds no date (&quot;%2&quot;). Enter a date such as Mar 28. The entry was not taken and its dates are unchanged.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The box &quot;%1&quot; begins with a double quote, which the country file cannot keep at the start of a field. The entry was not taken.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Too long to edit here, kept as it is: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Map of %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>holds a comma</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>holds a line break</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>begins with a space</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>begins with a double quote</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Daylight saving time of (hrs)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Daylight saving time from</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Daylight saving time to</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Map picture name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>First entry</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Previous entry</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next entry</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last entry</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The field &quot;%1&quot; of entry %2 (%3) %4, which the country file cannot keep. Nothing was saved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The field &quot;%1&quot; of entry %2 (%3) holds the character &quot;%4&quot; (U+%5), which the country file&apos;s character set cannot hold. Nothing was saved.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>zv::WorldMapWindow</name>
    <message>
        <source>World Map</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Plot Sunrise/Sunset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show Day/Night</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find Country</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sunrise at</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sunset at</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sun rise</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sun set</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Night</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Latitude </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Longitude </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sunrise at </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sunset at </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter the partial name of country to locate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The GMT time &quot;%1&quot; is not a time of day, so the day and night lines cannot be shown.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No sunrise</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No sunset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Feb</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apr</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>May</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jun</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jul</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aug</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sep</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Oct</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nov</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dec</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sun times for %1 %2 %3 GMT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1* not found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 country found.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 countries found.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>13. Type mismatch</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
