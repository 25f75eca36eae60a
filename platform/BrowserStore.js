// The browser's store of the player's folders (platform/BrowserStore.cpp):
// each kept folder is an IDBFS mount, its files kept in an IndexedDB
// database named after the folder, in IDBFS's own layout (one record per
// file or folder, keyed by its path, with its time, mode and bytes).
//
// The copying is this file's own rather than FS.syncfs: IDBFS reports a
// refused IndexedDB request (a full quota, a browser that refuses storage)
// with no reason, and an aborted transaction not at all, so a failed write
// would never end. Here every failure ends the operation with its reason,
// and an operation the store does not answer ends after answerSeconds.
mergeInto(LibraryManager.library, {
  $thraskStore__deps: ['$FS', '$IDBFS', '$MEMFS'],
  $thraskStore: {
    running: 0,
    answerSeconds: 20,

    describe: function(error) {
      if (!error) return 'no reason given';
      if (typeof error === 'string') return error;
      if (error.name && error.message) return error.name + ': ' + error.message;
      if (error.errno !== undefined) return 'file system error ' + error.errno;
      return String(error);
    },

    // The database of a kept folder, opened once.
    open: function(name, done) {
      if (IDBFS.dbs[name]) return done(null, IDBFS.dbs[name]);
      var request;
      try {
        request = IDBFS.indexedDB().open(name, IDBFS.DB_VERSION);
      } catch (e) {
        return done(e);
      }
      if (!request) return done('the browser offers no IndexedDB');
      request.onupgradeneeded = function() {
        var db = request.result;
        var store = db.objectStoreNames.contains(IDBFS.DB_STORE_NAME)
            ? request.transaction.objectStore(IDBFS.DB_STORE_NAME)
            : db.createObjectStore(IDBFS.DB_STORE_NAME);
        if (!store.indexNames.contains('timestamp'))
          store.createIndex('timestamp', 'timestamp', {unique: false});
      };
      request.onsuccess = function() {
        IDBFS.dbs[name] = request.result;
        done(null, request.result);
      };
      request.onerror = function(event) {
        event.preventDefault();
        done(request.error || 'IndexedDB refused to open the database');
      };
    },

    // Every path the database holds, with its time.
    remoteSet: function(db, done) {
      var entries = {};
      var transaction = db.transaction([IDBFS.DB_STORE_NAME], 'readonly');
      transaction.onabort = function() { done(transaction.error || 'reading IndexedDB was aborted'); };
      transaction.oncomplete = function() { done(null, {type: 'remote', entries: entries}); };
      var cursor = transaction.objectStore(IDBFS.DB_STORE_NAME).index('timestamp').openKeyCursor();
      cursor.onsuccess = function() {
        if (!cursor.result) return;
        entries[cursor.result.primaryKey] = {timestamp: cursor.result.key};
        cursor.result.continue();
      };
    },

    // Makes dst hold what src holds: the paths that are new or have another
    // time are copied, the paths src lacks are removed. One transaction; it
    // ends done only once every change stands.
    reconcile: function(src, dst, db, done) {
      var create = Object.keys(src.entries).filter(function(path) {
        var there = dst.entries[path];
        return !there || there.timestamp.getTime() !== src.entries[path].timestamp.getTime();
      }).sort();
      var remove = Object.keys(dst.entries).filter(function(path) {
        return !src.entries[path];
      }).sort().reverse();
      if (create.length === 0 && remove.length === 0) return done(null);

      var transaction = db.transaction([IDBFS.DB_STORE_NAME], 'readwrite');
      var store = transaction.objectStore(IDBFS.DB_STORE_NAME);
      var failure = null;
      function fail(error) {
        if (failure) return;
        failure = error || 'no reason given';
        try { transaction.abort(); } catch (e) {}
      }
      transaction.oncomplete = function() { done(failure); };
      transaction.onabort = function() { done(failure || transaction.error || 'writing IndexedDB was aborted'); };
      if (dst.type === 'local') {
        create.forEach(function(path) {
          var request = store.get(path);
          request.onsuccess = function() {
            if (failure) return;
            IDBFS.storeLocalEntry(path, request.result, function(error) { if (error) fail(error); });
          };
        });
        remove.forEach(function(path) {
          IDBFS.removeLocalEntry(path, function(error) { if (error) fail(error); });
        });
      } else {
        create.forEach(function(path) {
          IDBFS.loadLocalEntry(path, function(error, entry) {
            if (error) return fail(error);
            try { store.put(entry, path); } catch (e) { fail(e); }
          });
        });
        remove.forEach(function(path) {
          try { store.delete(path); } catch (e) { fail(e); }
        });
      }
    },

    // Copies the kept folder at path from the store (read) or into it, and
    // calls done(reason or null) once, always after returning.
    sync: function(path, read, done) {
      var ended = false;
      thraskStore.running++;
      var watchdog = setTimeout(function() {
        end('the browser\'s storage did not answer within ' + thraskStore.answerSeconds + ' seconds');
      }, thraskStore.answerSeconds * 1000);
      function end(error) {
        if (ended) return;
        ended = true;
        clearTimeout(watchdog);
        thraskStore.running--;
        done(error ? thraskStore.describe(error) : null);
      }
      setTimeout(function() {
        try {
          var mount = FS.lookupPath(path).node.mount;
          IDBFS.getLocalSet(mount, function(error, local) {
            if (error) return end(error);
            thraskStore.open(mount.mountpoint, function(error, db) {
              if (error) return end(error);
              try {
                thraskStore.remoteSet(db, function(error, remote) {
                  if (error) return end(error);
                  try {
                    thraskStore.reconcile(read ? remote : local, read ? local : remote, db, end);
                  } catch (e) {
                    end(e);
                  }
                });
              } catch (e) {
                end(e);
              }
            });
          });
        } catch (e) {
          end(e);
        }
      }, 0);
    },
  },

  thrask_store_keep__deps: ['$thraskStore'],
  thrask_store_keep: function(path, why, size) {
    try {
      var folder = UTF8ToString(path);
      FS.mkdirTree(folder);
      FS.mount(IDBFS, {}, folder);
      // The page asks before it closes while a folder is being written.
      Module['thraskStorageBusy'] = function() { return thraskStore.running > 0; };
      return 1;
    } catch (e) {
      stringToUTF8(thraskStore.describe(e), why, size);
      return 0;
    }
  },

  thrask_store_sync__deps: ['$thraskStore', '$callUserCallback'],
  thrask_store_sync: function(path, read, callback, context) {
    thraskStore.sync(UTF8ToString(path), read !== 0, function(error) {
      callUserCallback(function() {
        var text = error || '';
        var size = lengthBytesUTF8(text) + 1;
        var stack = stackSave();
        try {
          var why = stackAlloc(size);
          stringToUTF8(text, why, size);
          {{{ makeDynCall('vii', 'callback') }}}(context, why);
        } finally {
          stackRestore(stack);
        }
      });
    });
  },

  thrask_store_report: function(problem) {
    var text = UTF8ToString(problem);
    if (text) console.warn('Thrask: ' + text);
    if (Module['thraskStorageProblem']) Module['thraskStorageProblem'](text);
  },
});
