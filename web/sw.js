// sw.js -- keeps the game's page on the device after the first visit, so that it loads and plays without
// the network. Each build of the folder has its version (a digest of its files) in this worker and in
// the page: the page asks for its files with "?v=VERSION", so a page always gets the files of its own
// build, whichever worker answers; a new build's worker takes over at the next visit and drops the old
// build's files.
'use strict';

var VERSION = '__CINQUOR_VERSION__';  // written by tools/pack_web.mjs
var CACHE = 'le-cinquor-' + VERSION;
// The default look's files, kept at install; the other looks' when first used.
var AT_INSTALL = [];  // likewise

function versioned(name) { return name + '?v=' + VERSION; }

self.addEventListener('install', function (event) {
  event.waitUntil(caches.open(CACHE).then(function (cache) {
    var requests = AT_INSTALL.map(function (name) { return new Request(versioned(name), { cache: 'reload' }); });
    return cache.addAll(requests.concat([new Request('index.html', { cache: 'reload' })]));
  }).then(function () { return self.skipWaiting(); }));
});

self.addEventListener('activate', function (event) {
  event.waitUntil(caches.keys().then(function (names) {
    return Promise.all(names.filter(function (name) {
      return name.indexOf('le-cinquor-') === 0 && name !== CACHE;
    }).map(function (name) { return caches.delete(name); }));
  }).then(function () { return self.clients.claim(); }));
});

// The page itself comes from the network while there is one (a new build is seen at once), else from
// the cache; every other file comes from the cache, else from the network and is kept.
self.addEventListener('fetch', function (event) {
  var request = event.request;
  var url = new URL(request.url);
  if (request.method !== 'GET' || url.origin !== self.location.origin) return;
  var scope = new URL(self.registration.scope).pathname;
  var page = request.mode === 'navigate' && (url.pathname === scope || url.pathname === scope + 'index.html');
  if (page) {
    event.respondWith(fetch(request).then(function (response) {
      if (response.ok) {
        var copy = response.clone();
        caches.open(CACHE).then(function (cache) { return cache.put('index.html', copy); });
      }
      return response;
    }).catch(function () {
      return caches.open(CACHE).then(function (cache) { return cache.match('index.html'); }).then(function (kept) {
        return kept || Response.error();
      });
    }));
    return;
  }
  event.respondWith(caches.open(CACHE).then(function (cache) {
    return cache.match(request).then(function (kept) {
      return kept || fetch(request).then(function (response) {
        if (response.ok) cache.put(request, response.clone());
        return response;
      }, function (offline) {
        // Without the network, a file asked for by its bare name is the one this build keeps.
        return cache.match(request, { ignoreSearch: true }).then(function (same) {
          if (same) return same;
          throw offline;
        });
      });
    });
  }));
});
