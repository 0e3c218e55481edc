<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>About</name>
    <message>
        <source>The daylight-saving dates come from this computer&apos;s time-zone database, which does not name its version.</source>
        <translation>Las fechas del horario de verano proceden de la base de datos de husos horarios de este equipo, que no indica su versión.</translation>
    </message>
    <message>
        <source>The daylight-saving dates come from this computer&apos;s time-zone database, version %1.</source>
        <translation>Las fechas del horario de verano proceden de la base de datos de husos horarios de este equipo, versión %1.</translation>
    </message>
    <message>
        <source>Zorvane %1</source>
        <translation>Zorvane %1</translation>
    </message>
    <message>
        <source>A world clock: the local time of every country and time zone, with a country information window and a world map of day and night.</source>
        <translation>Un reloj mundial: la hora local de cada país y huso horario, con una ventana de información del país y un mapamundi del día y la noche.</translation>
    </message>
    <message>
        <source>Your files (countries.txt, tzone.txt, highlight.txt) are in:</source>
        <translation>Sus archivos (countries.txt, tzone.txt, highlight.txt) están en:</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>the data folder &quot;%1&quot; does not exist.</source>
        <translation>la carpeta de datos «%1» no existe.</translation>
    </message>
</context>
<context>
    <name>DataFiles</name>
    <message>
        <source>name</source>
        <translation>nombre</translation>
    </message>
    <message>
        <source>offset from GMT</source>
        <translation>diferencia con GMT</translation>
    </message>
    <message>
        <source>daylight-saving hours</source>
        <translation>horas de horario de verano</translation>
    </message>
    <message>
        <source>daylight saving used</source>
        <translation>horario de verano usado</translation>
    </message>
    <message>
        <source>daylight-saving start date</source>
        <translation>inicio del horario de verano</translation>
    </message>
    <message>
        <source>daylight-saving end date</source>
        <translation>fin del horario de verano</translation>
    </message>
    <message>
        <source>location</source>
        <translation>ubicación</translation>
    </message>
    <message>
        <source>capital</source>
        <translation>capital</translation>
    </message>
    <message>
        <source>latitude</source>
        <translation>latitud</translation>
    </message>
    <message>
        <source>longitude</source>
        <translation>longitud</translation>
    </message>
    <message>
        <source>languages</source>
        <translation>idiomas</translation>
    </message>
    <message>
        <source>map picture name</source>
        <translation>nombre de la imagen del mapa</translation>
    </message>
    <message>
        <source>brief history</source>
        <translation>breve historia</translation>
    </message>
    <message>
        <source>The file could not be read: %1.</source>
        <translation>No se pudo leer el archivo: %1.</translation>
    </message>
    <message>
        <source>The file is larger than %1 MB; only its beginning was read.</source>
        <translation>El archivo supera los %1 MB; solo se leyó su comienzo.</translation>
    </message>
    <message>
        <source>Reading stopped in the three header lines: the file ends there.</source>
        <translation>La lectura se detuvo en las tres líneas de encabezado: el archivo termina ahí.</translation>
    </message>
    <message>
        <source>Reading stopped at entry %1%2, field %3 (%4): </source>
        <translation>La lectura se detuvo en la entrada %1%2, campo %3 (%4): </translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a date between # signs.</source>
        <translation>«%1» no es una fecha entre signos #.</translation>
    </message>
    <message>
        <source>the file ends there.</source>
        <translation>el archivo termina ahí.</translation>
    </message>
    <message>
        <source>countries.txt could be read only in part. </source>
        <translation>countries.txt solo pudo leerse en parte. </translation>
    </message>
    <message>
        <source> The entries from there on are empty or incomplete. The file has not been changed; saving the table is refused until the file reads whole again.</source>
        <translation> Las entradas a partir de ahí están vacías o incompletas. El archivo no se ha modificado; no se guardará la tabla hasta que el archivo vuelva a leerse entero.</translation>
    </message>
    <message>
        <source>The changes not saved could not be kept in %1: %2</source>
        <translation>Los cambios sin guardar no pudieron conservarse en %1: %2</translation>
    </message>
    <message>
        <source>The kept changes in %1 do not read whole, so they were not saved.</source>
        <translation>Los cambios conservados en %1 no se leen enteros, así que no se guardaron.</translation>
    </message>
    <message>
        <source>a folder</source>
        <translation>una carpeta</translation>
    </message>
    <message>
        <source>a named pipe</source>
        <translation>una tubería con nombre</translation>
    </message>
    <message>
        <source>a device</source>
        <translation>un dispositivo</translation>
    </message>
    <message>
        <source>a socket</source>
        <translation>un socket</translation>
    </message>
    <message>
        <source>a special file</source>
        <translation>un archivo especial</translation>
    </message>
    <message>
        <source>it is a symbolic link to a file that does not exist, so nothing was written</source>
        <translation>es un enlace simbólico a un archivo que no existe, así que no se escribió nada</translation>
    </message>
    <message>
        <source>the file is read-only (you may not change it), so it was left as it is</source>
        <translation>el archivo es de solo lectura (no tiene permiso para cambiarlo), así que se dejó como estaba</translation>
    </message>
    <message>
        <source>it is %1, not a regular file, so it was left alone</source>
        <translation>es %1, no un archivo normal, así que no se tocó</translation>
    </message>
    <message>
        <source>it is a symbolic link to %1, not to a regular file, so nothing was written</source>
        <translation>es un enlace simbólico a %1, no a un archivo normal, así que no se escribió nada</translation>
    </message>
    <message>
        <source>it is a symbolic link in a folder that is not yours alone (another user could have put it there), so nothing was written through it</source>
        <translation>es un enlace simbólico en una carpeta que no es solo suya (otro usuario podría haberlo puesto ahí), así que no se escribió nada a través de él</translation>
    </message>
    <message>
        <source>it is a chain of too many symbolic links, so nothing was written</source>
        <translation>es una cadena de demasiados enlaces simbólicos, así que no se escribió nada</translation>
    </message>
    <message>
        <source>its symbolic link cannot be read, so nothing was written</source>
        <translation>su enlace simbólico no se puede leer, así que no se escribió nada</translation>
    </message>
    <message>
        <source>the file is too large to add to</source>
        <translation>el archivo es demasiado grande para añadirle algo</translation>
    </message>
    <message>
        <source>it could not be read</source>
        <translation>no se pudo leer</translation>
    </message>
    <message>
        <source>it is larger than %1 MB</source>
        <translation>supera los %1 MB</translation>
    </message>
    <message>
        <source>reading stopped in its header</source>
        <translation>la lectura se detuvo en el encabezado</translation>
    </message>
    <message>
        <source>reading stopped at entry %1</source>
        <translation>la lectura se detuvo en la entrada %1</translation>
    </message>
    <message>
        <source>countries.txt was read only in part (%1), so saving the whole table would empty the entries after that point. Nothing was written. Mend the file and start Zorvane again.</source>
        <translation>countries.txt solo se leyó en parte (%1), así que guardar toda la tabla vaciaría las entradas posteriores a ese punto. No se escribió nada. Repare el archivo y vuelva a iniciar Zorvane.</translation>
    </message>
    <message>
        <source>it was changed on disk since Zorvane read it (by another copy of Zorvane or another program), so nothing was written and that change is kept</source>
        <translation>se modificó en el disco desde que Zorvane lo leyó (otra copia de Zorvane u otro programa), así que no se escribió nada y ese cambio se conserva</translation>
    </message>
</context>
<context>
    <name>DstUpdate</name>
    <message>
        <source>Entries not updated, no time zone known for their map picture name: </source>
        <translation>Entradas no actualizadas, sin zona horaria conocida para su nombre de imagen de mapa: </translation>
    </message>
    <message>
        <source>empty</source>
        <translation>vacío</translation>
    </message>
    <message>
        <source>Entries not updated, their time zone is missing from this computer&apos;s time-zone database: </source>
        <translation>Entradas no actualizadas, su zona horaria falta en la base de datos de zonas horarias de este equipo: </translation>
    </message>
    <message>
        <source> to </source>
        <translation> a </translation>
    </message>
    <message>
        <source>%1: %2 has %3 daylight saving stretches; its dates keep the longest and leave out %4.</source>
        <translation>%1: %2 tiene %3 periodos de horario de verano; sus fechas conservan el más largo y omiten %4.</translation>
    </message>
    <message>
        <source>The country file %1 does not exist, so no daylight saving dates were updated.</source>
        <translation>El archivo de países %1 no existe, así que no se actualizó ninguna fecha de horario de verano.</translation>
    </message>
    <message>
        <source>The country file %1 could not be opened, so no daylight saving dates were updated. The file is unchanged.</source>
        <translation>No se pudo abrir el archivo de países %1, así que no se actualizó ninguna fecha de horario de verano. El archivo no ha cambiado.</translation>
    </message>
    <message>
        <source>The country file %1 could be read only as far as entry %2 of %3. Writing it back would lose the entries after that, so no daylight saving dates were updated. The file is unchanged.</source>
        <translation>El archivo de países %1 solo pudo leerse hasta la entrada %2 de %3. Volver a escribirlo perdería las entradas siguientes, así que no se actualizó ninguna fecha de horario de verano. El archivo no ha cambiado.</translation>
    </message>
    <message>
        <source>The country file %1 could not be saved: %2. The file on disk is unchanged.</source>
        <translation>No se pudo guardar el archivo de países %1: %2. El archivo en disco no ha cambiado.</translation>
    </message>
    <message>
        <source>The daylight saving dates in use are those of %1. Update them for %2 from this computer&apos;s time-zone database?</source>
        <translation>Las fechas de horario de verano en uso son las de %1. ¿Actualizarlas para %2 desde la base de datos de zonas horarias de este equipo?</translation>
    </message>
    <message>
        <source>Daylight saving dates updated for %1 from this computer&apos;s time-zone database: </source>
        <translation>Fechas de horario de verano actualizadas para %1 desde la base de datos de zonas horarias de este equipo: </translation>
    </message>
    <message>
        <source>no entry changed.</source>
        <translation>ninguna entrada cambió.</translation>
    </message>
    <message>
        <source>1 entry changed.</source>
        <translation>1 entrada cambió.</translation>
    </message>
    <message>
        <source>%1 entries changed.</source>
        <translation>%1 entradas cambiaron.</translation>
    </message>
</context>
<context>
    <name>EntryEdit</name>
    <message>
        <source>daylight saving hours</source>
        <translation>horas de verano</translation>
    </message>
    <message>
        <source>daylight saving start date</source>
        <translation>fecha de inicio del horario de verano</translation>
    </message>
    <message>
        <source>daylight saving end date</source>
        <translation>fecha de fin del horario de verano</translation>
    </message>
    <message>
        <source>field &quot;%1&quot;</source>
        <translation>campo «%1»</translation>
    </message>
    <message>
        <source>The %1 &quot;%2&quot; is not a date. Type a date such as Mar 28. The entry was not taken and its dates are unchanged.</source>
        <translation>La %1 «%2» no es una fecha. Escriba una fecha como Mar 28. La entrada no se aceptó y sus fechas no cambian.</translation>
    </message>
    <message>
        <source>The %1 begins with a double quote, which the country file cannot keep at the start of a field. Remove it, or use single quotes, such as &apos;Old Town&apos;. The entry was not taken.</source>
        <translation>El %1 empieza con comillas dobles, que el archivo de países no puede guardar al principio de un campo. Quítelas o use comillas simples, como &apos;Old Town&apos;. La entrada no se aceptó.</translation>
    </message>
</context>
<context>
    <name>zv::ClockWindow</name>
    <message>
        <source>Settings</source>
        <translation>Ajustes</translation>
    </message>
    <message>
        <source>Local time</source>
        <translation>Hora local</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>&amp;Refresh</source>
        <translation>&amp;Actualizar</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Calcular</translation>
    </message>
    <message>
        <source>DST in</source>
        <translation>Verano en</translation>
    </message>
    <message>
        <source>AM in</source>
        <translation>Mañana en</translation>
    </message>
    <message>
        <source>PM in</source>
        <translation>Tarde en</translation>
    </message>
    <message>
        <source>Zorvane was ended with changes to the country table that had not been saved. They were kept in %1.</source>
        <translation>Zorvane se cerró con cambios en la tabla de países sin guardar. Se conservaron en %1.</translation>
    </message>
    <message>
        <source>Save them to countries.txt now? No discards them.</source>
        <translation>¿Guardarlos ahora en countries.txt? «No» los descarta.</translation>
    </message>
    <message>
        <source>The kept changes could not be saved: %1. They are still in %2.</source>
        <translation>Los cambios conservados no pudieron guardarse: %1. Siguen en %2.</translation>
    </message>
    <message>
        <source>Your time zone settings could not be saved to %1: %2.</source>
        <translation>Sus ajustes de zona horaria no pudieron guardarse en %1: %2.</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>Sunlight Map</source>
        <translation>Mapa de luz solar</translation>
    </message>
    <message>
        <source>Use This Computer&apos;s Zone</source>
        <translation>Usar la zona de este equipo</translation>
    </message>
    <message>
        <source>Update Daylight Saving Dates</source>
        <translation>Actualizar fechas de horario de verano</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Actualizar</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Functions</source>
        <translation>Funciones</translation>
    </message>
    <message>
        <source>Locate on World Map</source>
        <translation>Ver en el mapamundi</translation>
    </message>
    <message>
        <source>Highlight</source>
        <translation>Resaltar</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Buscar</translation>
    </message>
    <message>
        <source>More info</source>
        <translation>Más información</translation>
    </message>
    <message>
        <source>Change to...</source>
        <translation>Cambiar a...</translation>
    </message>
    <message>
        <source>The highlight could not be saved to highlight.txt: %1.</source>
        <translation>El resaltado no pudo guardarse en highlight.txt: %1.</translation>
    </message>
    <message>
        <source>The highlights could not be saved to highlight.txt: %1.</source>
        <translation>Los resaltados no pudieron guardarse en highlight.txt: %1.</translation>
    </message>
    <message>
        <source>None found.</source>
        <translation>No se encontró nada.</translation>
    </message>
    <message>
        <source>Enter the new time for </source>
        <translation>Introduzca la nueva hora para </translation>
    </message>
    <message>
        <source>This computer&apos;s time zone is not known, so the settings were left as they are.</source>
        <translation>La zona horaria de este equipo es desconocida, así que los ajustes quedaron como estaban.</translation>
    </message>
    <message>
        <source>Time list</source>
        <translation>Lista de horas</translation>
    </message>
    <message>
        <source>Daylight saving time active in %1 countries/zones</source>
        <translation>Horario de verano activo en %1 países/zonas</translation>
    </message>
    <message>
        <source>Enter partial or full name of the country to locate

Found items will be displayed in bright GREEN color
Press F5 to change to normal color</source>
        <translation>Introduzca el nombre completo o parcial del país que busca

Los elementos encontrados se mostrarán en VERDE brillante
Pulse F5 para volver al color normal</translation>
    </message>
    <message>
        <source>This computer&apos;s time zone could not be read, so the settings take the offset of its clock: %1 hours from GMT, without daylight saving time. If that is wrong, correct it in File, Settings; the settings are saved for the next start only when changed.</source>
        <translation>No se pudo leer la zona horaria de este equipo, así que los ajustes toman la diferencia de su reloj: %1 horas respecto a GMT, sin horario de verano. Si no es correcto, corríjalo en Archivo, Ajustes; los ajustes solo se guardan para el próximo inicio si se cambian.</translation>
    </message>
    <message>
        <source>Of which daylight saving:</source>
        <translation>De ello, horario de verano:</translation>
    </message>
    <message>
        <source>hours</source>
        <translation>h</translation>
    </message>
    <message>
        <source>Standard offset from GMT:</source>
        <translation>Desfase normal de GMT:</translation>
    </message>
    <message>
        <source>Close this panel to see every time; File &gt; Settings brings it back.</source>
        <translation>Cierre este panel para ver todas las horas; Archivo &gt; Ajustes lo vuelve a abrir.</translation>
    </message>
    <message>
        <source>Of which daylight saving (hours)</source>
        <translation>De ello, horario de verano (horas)</translation>
    </message>
    <message>
        <source>Standard offset from GMT (hours)</source>
        <translation>Desfase normal respecto de GMT (horas)</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <source>Clock as on the Desktop</source>
        <translation>Reloj como en el escritorio</translation>
    </message>
    <message>
        <source>12-Hour Clock</source>
        <translation>Reloj de 12 horas</translation>
    </message>
    <message>
        <source>24-Hour Clock</source>
        <translation>Reloj de 24 horas</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <source>&amp;About Zorvane</source>
        <translation>&amp;Acerca de Zorvane</translation>
    </message>
    <message>
        <source>About Zorvane</source>
        <translation>Acerca de Zorvane</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a time. Type a time such as 3:45 PM or 15:45.</source>
        <translation>«%1» no es una hora. Escriba una hora como 3:45 PM o 15:45.</translation>
    </message>
    <message>
        <source>daylight saving time in force</source>
        <translation>horario de verano en vigor</translation>
    </message>
    <message>
        <source>highlighted</source>
        <translation>resaltado</translation>
    </message>
    <message>
        <source>found</source>
        <translation>encontrado</translation>
    </message>
    <message>
        <source>dddd d MMMM</source>
        <comment>weekday and date in the clock&apos;s tips</comment>
        <translation>dddd d &apos;de&apos; MMMM</translation>
    </message>
</context>
<context>
    <name>zv::CountryInfoWindow</name>
    <message>
        <source>Country Information</source>
        <translation>Información del país</translation>
    </message>
    <message>
        <source>Country or Zone</source>
        <translation>País o zona</translation>
    </message>
    <message>
        <source>Time now:</source>
        <translation>Hora:</translation>
    </message>
    <message>
        <source>Time zone relative to GMT</source>
        <translation>Zona horaria respecto a GMT</translation>
    </message>
    <message>
        <source>Uses daylight saving time of </source>
        <translation>Horario de verano de </translation>
    </message>
    <message>
        <source>hrs</source>
        <translation>h</translation>
    </message>
    <message>
        <source>from</source>
        <translation>del</translation>
    </message>
    <message>
        <source>(daylight saving time in force)</source>
        <translation>(horario de verano vigente)</translation>
    </message>
    <message>
        <source>to</source>
        <translation>al</translation>
    </message>
    <message>
        <source>Further information</source>
        <translation>Más información</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Ubicación</translation>
    </message>
    <message>
        <source>Capital</source>
        <translation>Capital</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>Latitud</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>Longitud</translation>
    </message>
    <message>
        <source>Locate on World Map</source>
        <translation>Situar en el mapamundi</translation>
    </message>
    <message>
        <source>Languages</source>
        <translation>Idiomas</translation>
    </message>
    <message>
        <source>Brief History</source>
        <translation>Breve historia</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Sa&amp;ve</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>&amp;Find</source>
        <translation>&amp;Buscar</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Anular</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Archivo</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Changes once saved cannot be discarded.</source>
        <translation>Una vez guardados, los cambios no se pueden descartar.</translation>
    </message>
    <message>
        <source>Are you sure want to proceed?</source>
        <translation>¿Seguro que desea continuar?</translation>
    </message>
    <message>
        <source>The country file could not be saved: %1. The file on disk is unchanged; your changes are still here.</source>
        <translation>No se pudo guardar el archivo de países: %1. El archivo en disco no ha cambiado; sus cambios siguen aquí.</translation>
    </message>
    <message>
        <source>Enter partial or full name of the country to locate</source>
        <translation>Introduzca el nombre completo o parcial del país que busca</translation>
    </message>
    <message>
        <source>Country or Zone list</source>
        <translation>Lista de países y zonas</translation>
    </message>
    <message>
        <source>Entry number</source>
        <translation>Número de entrada</translation>
    </message>
    <message>
        <source>Scroll the map picture up and down</source>
        <translation>Desplazar la imagen del mapa arriba y abajo</translation>
    </message>
    <message>
        <source>Scroll the map picture left and right</source>
        <translation>Desplazar la imagen del mapa a izquierda y derecha</translation>
    </message>
    <message>
        <source>Map picture</source>
        <translation>Imagen del mapa</translation>
    </message>
    <message>
        <source>map picture name</source>
        <translation>nombre de la imagen del mapa</translation>
    </message>
    <message>
        <source>daylight saving hours</source>
        <translation>horas de horario de verano</translation>
    </message>
    <message>
        <source>daylight saving used</source>
        <translation>horario de verano usado</translation>
    </message>
    <message>
        <source>No entry is shown.</source>
        <translation>No se muestra ninguna entrada.</translation>
    </message>
    <message>
        <source>Too long to edit here, kept as it is: %1</source>
        <translation>Demasiado largo para editarlo aquí, se mantiene: %1</translation>
    </message>
    <message>
        <source>Map of %1</source>
        <translation>Mapa de %1</translation>
    </message>
    <message>
        <source>holds a comma</source>
        <translation>contiene una coma</translation>
    </message>
    <message>
        <source>holds a line break</source>
        <translation>contiene un salto de línea</translation>
    </message>
    <message>
        <source>begins with a space</source>
        <translation>empieza con un espacio</translation>
    </message>
    <message>
        <source>begins with a double quote</source>
        <translation>empieza con comillas dobles</translation>
    </message>
    <message>
        <source>Daylight saving time of (hrs)</source>
        <translation>Horario de verano de (h)</translation>
    </message>
    <message>
        <source>Daylight saving time from</source>
        <translation>Horario de verano del</translation>
    </message>
    <message>
        <source>Daylight saving time to</source>
        <translation>Horario de verano al</translation>
    </message>
    <message>
        <source>Map picture name</source>
        <translation>Nombre de la imagen del mapa</translation>
    </message>
    <message>
        <source>First entry</source>
        <translation>Primera entrada</translation>
    </message>
    <message>
        <source>Previous entry</source>
        <translation>Entrada anterior</translation>
    </message>
    <message>
        <source>Next entry</source>
        <translation>Entrada siguiente</translation>
    </message>
    <message>
        <source>Last entry</source>
        <translation>Última entrada</translation>
    </message>
    <message>
        <source>To edit a field, double-click it, press F2 on it or start typing.</source>
        <translation>Para editar un campo: doble clic, F2 o empiece a escribir.</translation>
    </message>
    <message>
        <source>Time now: %1</source>
        <translation>Hora: %1</translation>
    </message>
    <message>
        <source>No daylight saving time</source>
        <translation>Sin horario de verano</translation>
    </message>
    <message>
        <source>Your changes to the country information are not saved. Save them before closing?</source>
        <translation>Sus cambios en la información de los países no están guardados. ¿Guardarlos antes de cerrar?</translation>
    </message>
    <message>
        <source>No country or zone name contains &quot;%1&quot;. Type a part of a name, such as Chile or united.</source>
        <translation>Ningún nombre de país o zona contiene «%1». Escriba parte de un nombre, como Chile o united.</translation>
    </message>
    <message>
        <source>The map picture %1 is missing. Put a JPEG picture of that name in the Maps folder (for the map picture name cl: cl-map.jpg).</source>
        <translation>Falta la imagen del mapa %1. Ponga una imagen JPEG con ese nombre en la carpeta Maps (para el nombre de imagen cl: cl-map.jpg).</translation>
    </message>
    <message>
        <source>for this entry</source>
        <translation>de esta entrada</translation>
    </message>
    <message>
        <source>The map picture %1 cannot be read. Save it again as a JPEG or PNG picture.</source>
        <translation>La imagen del mapa %1 no se puede leer. Guárdela de nuevo como imagen JPEG o PNG.</translation>
    </message>
    <message>
        <source>The map picture was copied to the clipboard.</source>
        <translation>La imagen del mapa se copió al portapapeles.</translation>
    </message>
    <message>
        <source>This entry has no latitude or longitude to locate on the world map. Type them such as 33.45S and 70.67W, then press the link again.</source>
        <translation>Esta entrada no tiene latitud ni longitud para situarla en el mapamundi. Escríbalas como 33.45S y 70.67W y pulse de nuevo el enlace.</translation>
    </message>
    <message>
        <source>Scroll the brief history up and down</source>
        <translation>Desplazar la breve historia arriba y abajo</translation>
    </message>
    <message>
        <source>Scroll the brief history left and right</source>
        <translation>Desplazar la breve historia a izquierda y derecha</translation>
    </message>
    <message>
        <source>Country or Zone names</source>
        <translation>Nombres de países y zonas</translation>
    </message>
    <message>
        <source>The field &quot;%1&quot; of entry %2 (%3) %4, which the country file cannot keep. Nothing was saved: change the field and save again.</source>
        <translation>El campo «%1» de la entrada %2 (%3) %4, algo que el archivo de países no puede guardar. No se guardó nada: cambie el campo y guarde de nuevo.</translation>
    </message>
    <message>
        <source>The field &quot;%1&quot; of entry %2 (%3) holds the character &quot;%4&quot; (U+%5), which the country file&apos;s character set cannot hold. Nothing was saved: replace the character with one the file can hold, such as a plain letter, and save again.</source>
        <translation>El campo «%1» de la entrada %2 (%3) contiene el carácter «%4» (U+%5), que el juego de caracteres del archivo de países no admite. No se guardó nada: sustituya el carácter por uno que el archivo admita, como una letra simple, y guarde de nuevo.</translation>
    </message>
</context>
<context>
    <name>zv::WorldMapWindow</name>
    <message>
        <source>World Map</source>
        <translation>Mapamundi</translation>
    </message>
    <message>
        <source>Plot Sunrise/Sunset</source>
        <translation>Salida/puesta</translation>
    </message>
    <message>
        <source>Show Day/Night</source>
        <translation>Mostrar día/noche</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Find Country</source>
        <translation>Buscar país</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>Latitud</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>Longitud</translation>
    </message>
    <message>
        <source>Sunrise at</source>
        <translation>Salida a las</translation>
    </message>
    <message>
        <source>Sunset at</source>
        <translation>Puesta a las</translation>
    </message>
    <message>
        <source>Sun rise</source>
        <translation>Salida</translation>
    </message>
    <message>
        <source>Sun set</source>
        <translation>Puesta</translation>
    </message>
    <message>
        <source>Night</source>
        <translation>Noche</translation>
    </message>
    <message>
        <source>Latitude </source>
        <translation>Latitud </translation>
    </message>
    <message>
        <source>Longitude </source>
        <translation>Longitud </translation>
    </message>
    <message>
        <source>Sunrise at </source>
        <translation>Salida a las </translation>
    </message>
    <message>
        <source>Sunset at </source>
        <translation>Puesta a las </translation>
    </message>
    <message>
        <source>Enter the partial name of country to locate</source>
        <translation>Introduzca parte del nombre del país que busca</translation>
    </message>
    <message>
        <source>The GMT time &quot;%1&quot; is not a time of day, so the day and night lines cannot be shown.</source>
        <translation>La hora GMT «%1» no es una hora del día, así que no se pueden mostrar las líneas del día y la noche.</translation>
    </message>
    <message>
        <source>No sunrise</source>
        <translation>Sin salida</translation>
    </message>
    <message>
        <source>No sunset</source>
        <translation>Sin puesta</translation>
    </message>
    <message>
        <source>Jan</source>
        <translation>ene</translation>
    </message>
    <message>
        <source>Feb</source>
        <translation>feb</translation>
    </message>
    <message>
        <source>Mar</source>
        <translation>mar</translation>
    </message>
    <message>
        <source>Apr</source>
        <translation>abr</translation>
    </message>
    <message>
        <source>May</source>
        <translation>may</translation>
    </message>
    <message>
        <source>Jun</source>
        <translation>jun</translation>
    </message>
    <message>
        <source>Jul</source>
        <translation>jul</translation>
    </message>
    <message>
        <source>Aug</source>
        <translation>ago</translation>
    </message>
    <message>
        <source>Sep</source>
        <translation>sept</translation>
    </message>
    <message>
        <source>Oct</source>
        <translation>oct</translation>
    </message>
    <message>
        <source>Nov</source>
        <translation>nov</translation>
    </message>
    <message>
        <source>Dec</source>
        <translation>dic</translation>
    </message>
    <message>
        <source>Sun times for %1 %2 %3 GMT</source>
        <translation>Sol el %1 %2 %3 GMT</translation>
    </message>
    <message>
        <source>%1* not found</source>
        <translation>%1* no encontrado</translation>
    </message>
    <message>
        <source>1 country found.</source>
        <translation>1 país encontrado.</translation>
    </message>
    <message>
        <source>%1 countries found.</source>
        <translation>%1 países encontrados.</translation>
    </message>
    <message>
        <source>13. Type mismatch</source>
        <translation>13. No coinciden los tipos</translation>
    </message>
    <message>
        <source> (up all day)</source>
        <translation> (día polar)</translation>
    </message>
    <message>
        <source> (down all day)</source>
        <translation> (noche polar)</translation>
    </message>
    <message>
        <source>The GMT box holds &quot;%1&quot;, which is not a time of day. Type a time such as 3:45 PM or 15:45.</source>
        <translation>La casilla GMT contiene «%1», que no es una hora. Escriba una hora como 3:45 PM o 15:45.</translation>
    </message>
    <message>
        <source>World map</source>
        <translation>Mapamundi</translation>
    </message>
    <message>
        <source>Cross at %1, %2. The arrow keys move it, with Shift in bigger steps; Enter shows the sunrise and sunset there.</source>
        <translation>Cruz en %1, %2. Las flechas la mueven, con Mayús en pasos mayores; Intro muestra allí la salida y la puesta del sol.</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progreso</translation>
    </message>
    <message>
        <source>Progress done</source>
        <translation>Progreso hecho</translation>
    </message>
    <message>
        <source>Point shown</source>
        <translation>Punto mostrado</translation>
    </message>
    <message>
        <source>Legend</source>
        <translation>Leyenda</translation>
    </message>
    <message>
        <source>Red line</source>
        <translation>Línea roja</translation>
    </message>
    <message>
        <source>Blue line</source>
        <translation>Línea azul</translation>
    </message>
</context>
</TS>
