;; InitSection
;; SetSection
;; GetSection
;; FunctionSection
